#include "clipboard_commands.h"

#include "arrange_commands.h"
#include "command_ids.h"
#include "document/discwright_doc.h"
#include "document/project_file.h"
#include "editing_host.h"
#include "face_selection.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "objects/text.h"
#include "objects/vector_image.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace {

const QString kFailedToOpen = QStringLiteral("Failed to open Clipboard!");
const QString kFailedToGetData = QStringLiteral("Failed to get Clipboard data!");

// Pasted text and pictures are placed at the view's margin taken as a pixel
// position on the face, which puts them near its top-left corner whatever the
// zoom and scroll position.
constexpr int kTextBoxWidth = 200; // pixels
constexpr int kTextBoxHeight = 48;
constexpr int kPictureDrop = 20; // pixels below the text box's top

// Adds the pasted objects on top, selects `selected` alone and records the step.
void FinishPaste(EditingHost& host, CBaseObject* selected) {
    ClearSelection(host);
    SelectObject(host, selected);
    host.RecordChange();
    host.RefreshFaceCanvas();
    host.Repaint();
}

// The objects of a Lumvane archive, or none when the data is not one.
bool PasteObjects(EditingHost& host, const QByteArray& bytes) {
    ObjectList objects;
    QString error;
    if (!ReadLayoutBytes(bytes, objects, &error) || objects.empty())
        return false;
    CDiscwrightDoc& doc = host.Document();
    // A copied selection runs from the topmost object down, so adding from the
    // last entry back restores the order they were stacked in.
    CBaseObject* selected = objects.back().get();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        doc.AddObject(std::move(*it));
    FinishPaste(host, selected);
    return true;
}

void PasteText(EditingHost& host, const QString& text) {
    const UnitConversion units;
    const QPoint margin = host.Margin();
    auto object =
        std::make_unique<CText>(units.PixelsToUnits(margin.x()), -units.PixelsToUnits(margin.y()),
                                units.PixelsToUnits(margin.x() + kTextBoxWidth),
                                -units.PixelsToUnits(margin.y() + kTextBoxHeight), 0, text, units);
    CBaseObject* added = object.get();
    host.Document().AddObject(std::move(object));
    FinishPaste(host, added);
}

// Metafile formats other programs put on the clipboard, richest first.
const char* const kMetafileFormats[] = {"image/emf", "image/x-emf", "image/wmf", "image/x-wmf",
                                        "image/svg+xml"};

bool HasMetafile(const QMimeData& data) {
    for (const char* format : kMetafileFormats)
        if (data.hasFormat(QLatin1String(format)))
            return true;
    return false;
}

// A vector picture from the first metafile format that reads.
bool PasteMetafile(EditingHost& host, const QMimeData& data) {
    const UnitConversion units;
    const QPoint margin = host.Margin();
    const int x = units.PixelsToUnits(margin.x());
    const int y = -units.PixelsToUnits(margin.y() + kPictureDrop);
    for (const char* format : kMetafileFormats) {
        if (!data.hasFormat(QLatin1String(format)))
            continue;
        auto picture = std::make_unique<CVectorImage>(x, y, x, y);
        if (!picture->LoadMetafileBytes(data.data(QLatin1String(format)), units))
            continue;
        CBaseObject* added = picture.get();
        host.Document().AddObject(std::move(picture));
        FinishPaste(host, added);
        return true;
    }
    return false;
}

bool PastePicture(EditingHost& host, const QImage& image,
                  const ClipboardPictureFactory& makePicture) {
    std::unique_ptr<CImage> picture = makePicture(image);
    if (!picture)
        return false;
    const UnitConversion units;
    const QPoint margin = host.Margin();
    picture->m_x = units.PixelsToUnits(margin.x());
    picture->m_y = -units.PixelsToUnits(margin.y() + kPictureDrop);
    CBaseObject* added = picture.get();
    host.Document().AddObject(std::move(picture));
    FinishPaste(host, added);
    return true;
}

} // namespace

QByteArray SelectionArchive(const Face& face) {
    return LayoutBytes(face.Selection());
}

bool CanCopy(EditingHost& host) {
    return !host.Document().ActiveFace().Selection().empty();
}

bool Copy(EditingHost& host, const CommandPrompts& prompts) {
    if (!CanCopy(host))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        prompts.showMessage(host.DialogParent(), kFailedToOpen);
        return false;
    }
    auto* data = new QMimeData;
    data->setData(kClipboardFormat, SelectionArchive(host.Document().ActiveFace()));
    clipboard->setMimeData(data); // the clipboard owns it
    return true;
}

bool Cut(EditingHost& host, const CommandPrompts& prompts) {
    // Deleting what could not be copied would lose it.
    return Copy(host, prompts) && DeleteSelection(host);
}

std::unique_ptr<CImage> MakePictureFromClipboardImage(const QImage& image) {
    CRasterImage pixels;
    if (!pixels.LoadFromQImage(image))
        return nullptr;
    // Placed by the paste; the first paint gives it its natural size.
    auto picture = std::make_unique<CImage>(0, 0);
    picture->SetImage(std::move(pixels));
    return picture;
}

bool CanPaste() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    return data != nullptr && (data->hasFormat(kClipboardFormat) || HasMetafile(*data) ||
                               data->hasText() || data->hasImage());
}

bool Paste(EditingHost& host, const CommandPrompts& prompts,
           const ClipboardPictureFactory& makePicture) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        prompts.showMessage(host.DialogParent(), kFailedToOpen);
        return false;
    }
    const QMimeData* data = clipboard->mimeData();
    if (data != nullptr) {
        // Damaged Lumvane data is passed over like a format that is not there.
        if (data->hasFormat(kClipboardFormat) && PasteObjects(host, data->data(kClipboardFormat)))
            return true;
        if (PasteMetafile(host, *data))
            return true;
        if (data->hasText()) {
            PasteText(host, data->text());
            return true;
        }
        if (data->hasImage() &&
            PastePicture(host, qvariant_cast<QImage>(data->imageData()), makePicture))
            return true;
    }
    prompts.showMessage(host.DialogParent(), kFailedToGetData);
    return false;
}

bool RunClipboardCommand(EditingHost& host, int id, const CommandPrompts& prompts) {
    switch (id) {
    case kCopy:
        return Copy(host, prompts);
    case kCut:
        return Cut(host, prompts);
    case kPaste:
        return Paste(host, prompts);
    default:
        return false;
    }
}

bool IsClipboardCommandEnabled(EditingHost& host, int id) {
    switch (id) {
    case kCopy:
    case kCut:
        return CanCopy(host);
    case kPaste:
        return CanPaste();
    default:
        return false;
    }
}
