#include "export_commands.h"

#include "app/gallery/art_gallery.h"
#include "app/gallery/thumbnail_list.h"
#include "document/discwright_doc.h"
#include "document/face.h"
#include "document/face_export.h"
#include "document/layout_file.h"
#include "export_image_dialog.h"
#include "export_layout_dialog.h"
#include "platform/app_places.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// The wait cursor while faces are drawn and written.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void RunExportCoverAsImages(QWidget* parent, CDiscwrightView& view) {
    // Portable: the program folder, as always; installed, the program folder
    // is not the user's to write, so pictures go to the user's pictures folder.
    const AppPlaces places = CurrentPlaces();
    ExportImageDialog dialog(
        places.portable ? places.programFolder
                        : QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CDiscwrightDoc& doc = view.Document();
    const FaceExportOptions options = dialog.Options();
    QStringList failures;
    {
        const WaitCursor wait;
        for (int faceId : kExportFaceOrder) {
            if (!dialog.IsFaceChecked(faceId))
                continue;
            const QString path =
                FaceImagePath(dialog.Folder(), dialog.ImageName(), faceId, options.format);
            QString error;
            if (!ExportFaceImage(doc, faceId, path, options, &error))
                failures << error;
        }
    }
    // Drawing at the export's scale laid circular texts out for it: the view
    // draws its face again at its own.
    view.RefreshFaceCanvas();
    // A picture that could not be written is said, not passed over.
    if (!failures.isEmpty())
        QMessageBox::warning(
            parent, QCoreApplication::translate("ExportCommands", "Export Image"),
            QCoreApplication::translate("ExportCommands", "These pictures were not written:\n%1")
                .arg(failures.join(QLatin1Char('\n'))));
}

void RunExportAsLayouts(QWidget* parent, CDiscwrightView& view, ArtGallery* gallery) {
    const QString title = QCoreApplication::translate("ExportCommands", "Export Layout");
    const LayoutExportPrompts prompts{
        [parent, title](const QString& text) {
            return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
        },
        [parent, title](const QString& text) { QMessageBox::information(parent, title, text); }};
    ExportLayoutDialog dialog(parent);
    while (dialog.exec() == QDialog::Accepted) {
        std::vector<int> faceIds;
        for (int faceId : kExportFaceOrder) {
            if (dialog.IsFaceChecked(faceId))
                faceIds.push_back(faceId);
        }
        if (ExportLayouts(parent, view, gallery, dialog.LayoutName(), faceIds, prompts))
            return;
    }
}

bool ExportLayouts(QWidget* parent, CDiscwrightView& view, ArtGallery* gallery, const QString& name,
                   std::span<const int> faceIds, const LayoutExportPrompts& prompts) {
    CDiscwrightDoc& doc = view.Document();
    const std::vector<LayoutExportTarget> plan = PlanLayoutExport(doc, name, faceIds);
    const bool replaces =
        std::any_of(plan.begin(), plan.end(), [](const auto& t) { return t.replaces; });
    if (replaces &&
        !(prompts.ask &&
          prompts.ask(
              QCoreApplication::translate("ExportCommands", "Replace the layout %1?").arg(name))))
        return false;
    {
        const WaitCursor wait;
        for (const LayoutExportTarget& target : plan) {
            ExportLayoutThumbnail(doc, target.faceId, target.name);
            QString error;
            if (!ExportLayout(doc, target.faceId, target.name, &error))
                QMessageBox::warning(parent, QApplication::applicationName(), error);
        }
    }
    // Drawing at the export's scale laid circular texts out for it: the view
    // draws its face again at its own.
    view.RefreshFaceCanvas();
    if (gallery)
        gallery->List(ArtGallery::kLayoutsTab).Load(LayoutFolders(doc.ActiveFaceId()));

    // What the user would not guess: a name taken by Lumvane's own layout,
    // and faces whose layouts hold nothing.
    QStringList renamed, empty;
    for (const LayoutExportTarget& target : plan) {
        const QString face = ExportLayoutDialog::FaceCaption(target.faceId);
        if (target.renamed)
            renamed << QStringLiteral("%1: %2").arg(face, target.name);
        if (target.empty)
            empty << face;
    }
    QStringList parts;
    if (!renamed.isEmpty())
        parts << QCoreApplication::translate("ExportCommands",
                                             "\"%1\" is a layout that comes with Lumvane and "
                                             "stays as it is. Your layout was saved beside it as:"
                                             "\n%2")
                     .arg(name, renamed.join(QLatin1Char('\n')));
    if (!empty.isEmpty())
        parts << QCoreApplication::translate("ExportCommands",
                                             "These faces hold no objects, so their layouts are "
                                             "empty and show blank thumbnails:\n%1")
                     .arg(empty.join(QLatin1Char('\n')));
    if (!parts.isEmpty() && prompts.inform)
        prompts.inform(parts.join(QStringLiteral("\n\n")));
    return true;
}

void InsertLayoutFromGallery(QWidget* parent, CDiscwrightView& view, const QString& path) {
    QString error;
    if (!view.InsertLayout(path, &error) && !error.isEmpty())
        QMessageBox::warning(
            parent, QApplication::applicationName(),
            QCoreApplication::translate("ExportCommands", "The layout cannot be inserted.\n%1")
                .arg(error));
}
