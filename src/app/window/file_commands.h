#pragma once

#include "file_prompts.h"
#include "recent_file_list.h"

#include <QObject>

class CDiscwrightDoc;
class CDiscwrightView;
class QWidget;

// New, Open, Save and Save As of the project, the recent files, and the
// question whether to save a modified project before it is replaced or the
// window closes. Opening a file that cannot be read keeps the project that
// was open, so a bad file never costs the user their work.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(CDiscwrightDoc& doc, CDiscwrightView& view, QWidget* window);

    void SetPrompts(FilePrompts prompts) { m_prompts = std::move(prompts); }
    RecentFileList& Recent() { return m_recent; }

    // Each returns true when it did what it was asked (false: cancelled or failed).
    bool New();
    bool Open();
    // Opens `path`, asking first whether to save a modified project.
    bool OpenPath(const QString& path);
    // Opens recent file `index` (0-3); a file that no longer exists is
    // removed from the list with a message.
    bool OpenRecent(int index);
    bool Save();
    bool SaveAs();
    // Opens the recovered project `recoveryPath` in place of `projectPath`
    // (empty: "Untitled"), asking first to save a modified project. The
    // project then carries `projectPath` and is marked modified, so the user
    // saves it explicitly. False, with the cause shown, when it cannot be read.
    bool Restore(const QString& recoveryPath, const QString& projectPath);
    // Asks whether to save a modified project; true when the caller may go on.
    bool SaveModified();

    // Tells the user why something failed, through the prompts.
    void ShowError(const QString& text, const QString& details = QString()) {
        m_prompts.showError(m_window, text, details);
    }
    // Puts `path` at the top of the recent files.
    void AddRecent(const QString& path);

    // "name.dwp", or "Untitled" before the project has a file.
    QString DocumentName() const;
    // `path` with ".dwp" added when it does not end so.
    static QString WithProjectExtension(const QString& path);

Q_SIGNALS:
    // The project was replaced or saved under another name (title, tabs and
    // status bar follow).
    void DocumentReplaced();
    void RecentFilesChanged();

private:
    bool Load(const QString& path);
    bool SaveTo(const QString& path);

    CDiscwrightDoc& m_doc;
    CDiscwrightView& m_view;
    QWidget* m_window;
    FilePrompts m_prompts = FilePrompts::Interactive();
    RecentFileList m_recent;
};
