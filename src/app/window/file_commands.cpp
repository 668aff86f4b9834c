#include "file_commands.h"

#include "document/discwright_doc.h"
#include "start_folders.h"
#include "view/discwright_view.h"

#include <QDir>
#include <QFileInfo>

FileCommands::FileCommands(CDiscwrightDoc& doc, CDiscwrightView& view, QWidget* window)
    : QObject(window), m_doc(doc), m_view(view), m_window(window) {
}

QString FileCommands::DocumentName() const {
    return m_doc.PathName().isEmpty() ? tr("Untitled") : QFileInfo(m_doc.PathName()).fileName();
}

QString FileCommands::WithProjectExtension(const QString& path) {
    if (path.endsWith(QStringLiteral(".dwp"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".dwp");
}

bool FileCommands::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    switch (m_prompts.askToSave(m_window, DocumentName())) {
    case SaveAnswer::kSave:
        return Save();
    case SaveAnswer::kDiscard:
        return true;
    case SaveAnswer::kCancel:
        break;
    }
    return false;
}

bool FileCommands::New() {
    if (!SaveModified())
        return false;
    m_doc.OnNewDocument();
    Q_EMIT DocumentReplaced();
    return true;
}

bool FileCommands::Open() {
    if (!SaveModified())
        return false;
    const QString path = m_prompts.chooseFileToOpen(
        m_window, DialogStartFolder(DialogKind::kProject, m_doc.PathName()));
    return !path.isEmpty() && Load(path);
}

bool FileCommands::OpenPath(const QString& path) {
    return SaveModified() && Load(path);
}

bool FileCommands::OpenRecent(int index) {
    if (index < 0 || index >= m_recent.Files().size())
        return false;
    const QString path = m_recent.Files().at(index);
    if (!QFileInfo(path).isFile()) {
        m_recent.Remove(path);
        Q_EMIT RecentFilesChanged();
        ShowError(tr("The file \"%1\" no longer exists and has "
                     "been removed from the recent files.")
                      .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return OpenPath(path);
}

bool FileCommands::Load(const QString& path) {
    QString error;
    CDiscwrightDoc::OpenError kind = CDiscwrightDoc::OpenError::kNone;
    if (!m_doc.OnOpenDocument(path, &error, CDiscwrightDoc::OnOpenFailure::kKeepCurrent, &kind)) {
        // The open project stays as it was.
        const OpenFailureMessage message =
            DescribeOpenFailure(path, error, kind == CDiscwrightDoc::OpenError::kNotAProject);
        ShowError(message.text, message.details);
        return false;
    }
    RememberDialogFolder(DialogKind::kProject, path);
    AddRecent(path);
    Q_EMIT DocumentReplaced();
    if (!m_doc.OpenNotes().isEmpty()) {
        const OpenFailureMessage message = DescribeOpenNotes(path, m_doc.OpenNotes());
        ShowError(message.text, message.details);
    }
    return true;
}

bool FileCommands::Restore(const QString& recoveryPath, const QString& projectPath) {
    if (!SaveModified())
        return false;
    QString error;
    CDiscwrightDoc::OpenError kind = CDiscwrightDoc::OpenError::kNone;
    if (!m_doc.OnOpenDocument(recoveryPath, &error, CDiscwrightDoc::OnOpenFailure::kKeepCurrent,
                              &kind)) {
        const OpenFailureMessage message = DescribeOpenFailure(
            recoveryPath, error, kind == CDiscwrightDoc::OpenError::kNotAProject);
        ShowError(message.text, message.details);
        return false;
    }
    m_doc.SetPathName(projectPath);
    m_doc.SetModifiedFlag(true);
    Q_EMIT DocumentReplaced();
    return true;
}

bool FileCommands::Save() {
    if (m_doc.PathName().isEmpty())
        return SaveAs();
    return SaveTo(m_doc.PathName());
}

bool FileCommands::SaveAs() {
    const QString suggested =
        m_doc.PathName().isEmpty()
            ? QDir(DialogStartFolder(DialogKind::kProject, QString())).filePath(tr("Untitled.dwp"))
            : m_doc.PathName();
    const QString chosen = m_prompts.chooseFileToSave(m_window, suggested);
    if (chosen.isEmpty())
        return false;
    return SaveTo(WithProjectExtension(chosen));
}

bool FileCommands::SaveTo(const QString& path) {
    QString error;
    if (!m_doc.OnSaveDocument(path, &error)) {
        ShowError(tr("Could not save \"%1\".\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    RememberDialogFolder(DialogKind::kProject, path);
    AddRecent(path);
    Q_EMIT DocumentReplaced();
    if (!m_doc.OpenNotes().isEmpty()) {
        const OpenFailureMessage message = DescribeOpenNotes(path, m_doc.OpenNotes());
        ShowError(message.text, message.details);
    }
    return true;
}

void FileCommands::AddRecent(const QString& path) {
    m_recent.Add(path);
    Q_EMIT RecentFilesChanged();
}
