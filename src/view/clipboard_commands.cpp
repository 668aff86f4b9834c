#include "clipboard_commands.h"

#include "arrange_commands.h"
#include "command_ids.h"
#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "document/project_file.h"
#include "editing_host.h"
#include "face_selection.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "objects/picture_loading.h"
#include "objects/text.h"
#include "objects/vector_image.h"

#include <QClipboard>
#include <QCoreApplication>

#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <algorithm>
#include <cmath>

namespace {

QString FailedToOpen() {
    return QCoreApplication::translate("ClipboardCommands", "Failed to open Clipboard!");
}
QString FailedToGetData() {
    return QCoreApplication::translate("ClipboardCommands", "Failed to get Clipboard data!");
}

// Pasted text and pictures land inside the part of the face in sight (see
// PlaceInside), whatever the zoom and scroll position.
constexpr int kTextBoxWidth = 200; // pixels at zoom 1.0
constexpr int kTextBoxHeight = 48;
constexpr int kInset = 200; // face units (2 mm) kept from the edges of the area

// Where a pasted object `width` × `depth` units goes in the visible area
// `area`: centred across it, near its top; a round face (the disc) moves it
// down until its top corners are on the disc. An object larger than the
// area (after the inset) is placed at the area's top-left corner.
QPoint PlaceInside(const LogicalRect& area, int width, int depth, bool round, int faceWidth) {
    const int areaWidth = area.right - area.left;
    int x = area.left + (areaWidth - width) / 2;
    int y = area.top - kInset;
    if (round) {
        // The disc's circle: centre (r, -r), radius r. The top corners lie
        // on it where the chord of the object's width crosses it.
        const double r = faceWidth / 2.0;
        const double half = std::max(std::abs(x - r), std::abs(x + width - r));
        if (half < r)
            y = std::min(y, int(-(r - std::sqrt(r * r - half * half))) - kInset);
    }
    x = std::clamp(x, area.left, std::max(area.left, area.right - width));
    y = std::clamp(y, std::min(area.top, area.bottom + depth), area.top);
    return {x, y};
}

// Selects `selected`, just pasted, alone; the paste's edit records the step.
void FinishPaste(EditingHost& host, CBaseObject* selected) {
    ClearSelection(host);
    SelectObject(host, selected);
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
    auto edit = doc.Edit();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        doc.AddObject(std::move(*it));
    FinishPaste(host, selected);
    return true;
}

bool IsRound(EditingHost& host) {
    return host.Document().ActiveFaceId() == kDiscFace;
}

void PasteText(EditingHost& host, const QString& text) {
    const UnitConversion units;
    const LogicalRect area = host.VisibleFaceArea();
    const int width = units.PixelsToUnits(kTextBoxWidth);
    const int depth = units.PixelsToUnits(kTextBoxHeight);
    const QPoint at =
        PlaceInside(area, width, depth, IsRound(host), host.Document().ActiveFace().Width());
    auto object =
        std::make_unique<CText>(at.x(), at.y(), at.x() + width, at.y() - depth, 0, text, units);
    CBaseObject* added = object.get();
    auto edit = host.Document().Edit();
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

// A pasted picture goes in fitted inside the visible part of the face (less
// the inset), centred in it, selected alone.
void InsertInSight(EditingHost& host, std::unique_ptr<CBaseObject> picture) {
    PicturePlacement placement;
    placement.rule = PicturePlacement::Rule::kCentredIn;
    placement.area = host.VisibleFaceArea();
    placement.inset = kInset;
    CDiscwrightDoc& doc = host.Document();
    host.ShowInPropertyBar(InsertPicture(doc, doc.ActiveFaceId(), std::move(picture), placement));
}

// A vector picture from the first metafile format that reads.
bool PasteMetafile(EditingHost& host, const QMimeData& data) {
    const UnitConversion units;
    for (const char* format : kMetafileFormats) {
        if (!data.hasFormat(QLatin1String(format)))
            continue;
        auto picture = std::make_unique<CVectorImage>(0, 0, 0, 0);
        if (!picture->LoadMetafileBytes(data.data(QLatin1String(format)), units))
            continue;
        InsertInSight(host, std::move(picture));
        return true;
    }
    return false;
}

bool PastePicture(EditingHost& host, const QImage& image,
                  const ClipboardPictureFactory& makePicture) {
    std::unique_ptr<CImage> picture = makePicture(image);
    if (!picture)
        return false;
    InsertInSight(host, std::move(picture));
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
        prompts.showMessage(host.DialogParent(), FailedToOpen());
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
    auto picture = std::make_unique<CImage>(0, 0);
    picture->SetImage(std::move(pixels));
    // Placed by the paste, at its natural size.
    picture->ResolveNaturalSize();
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
        prompts.showMessage(host.DialogParent(), FailedToOpen());
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
    prompts.showMessage(host.DialogParent(), FailedToGetData());
    return false;
}

CommandRows ClipboardCommandRows(EditingHost& host, const CommandPrompts& prompts) {
    EditingHost* h = &host;
    auto canCopy = [h] { return CommandState{CanCopy(*h)}; };
    return {
        {CommandId::kCopy, [h, prompts] { return Copy(*h, prompts); }, canCopy},
        {CommandId::kCut, [h, prompts] { return Cut(*h, prompts); }, canCopy},
        {CommandId::kPaste, [h, prompts] { return Paste(*h, prompts); },
         [] { return CommandState{CanPaste()}; }},
    };
}

bool RunClipboardCommand(EditingHost& host, CommandId id, const CommandPrompts& prompts) {
    const CommandRows rows = ClipboardCommandRows(host, prompts);
    const CommandRow* row = FindRow(rows, id);
    return row != nullptr && row->run();
}

bool IsClipboardCommandEnabled(EditingHost& host, CommandId id) {
    const CommandRows rows = ClipboardCommandRows(host);
    const CommandRow* row = FindRow(rows, id);
    return row != nullptr && row->state().enabled;
}
