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
    ExportLayoutDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CDiscwrightDoc& doc = view.Document();
    {
        const WaitCursor wait;
        for (int faceId : kExportFaceOrder) {
            if (!dialog.IsFaceChecked(faceId))
                continue;
            ExportLayoutThumbnail(doc, faceId, dialog.LayoutName());
            QString error;
            if (!ExportLayout(doc, faceId, dialog.LayoutName(), &error))
                QMessageBox::warning(parent, QApplication::applicationName(), error);
        }
    }
    // Drawing at the export's scale laid circular texts out for it: the view
    // draws its face again at its own.
    view.RefreshFaceCanvas();
    if (gallery)
        gallery->List(ArtGallery::kLayoutsTab).Load(LayoutFolders(doc.ActiveFaceId()));
}

void InsertLayoutFromGallery(QWidget* parent, CDiscwrightView& view, const QString& path) {
    QString error;
    if (!view.InsertLayout(path, &error) && !error.isEmpty())
        QMessageBox::warning(
            parent, QApplication::applicationName(),
            QCoreApplication::translate("ExportCommands", "The layout cannot be inserted.\n%1")
                .arg(error));
}
