#include "background_commands.h"

#include "document/discwright_doc.h"
#include "editing_host.h"
#include "face_selection.h"
#include "objects/image.h"
#include "toolkit/colour_button.h"

#include <QCoreApplication>

namespace {

// 0x00BBGGRR, as faces store colours.
quint32 ColourValue(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

} // namespace

bool CanSetAsBackground(EditingHost& host) {
    const std::vector<CBaseObject*>& selection = host.Document().ActiveFace().Selection();
    return !selection.empty() && dynamic_cast<CImage*>(selection.front()) != nullptr;
}

bool SetSelectionAsBackground(EditingHost& host) {
    if (!CanSetAsBackground(host))
        return false;
    CDiscwrightDoc& doc = host.Document();
    auto* picture = static_cast<CImage*>(doc.ActiveFace().Selection().front());
    ClearSelection(host);
    auto edit = doc.Edit();
    doc.SetBackground(picture);
    doc.StretchBackground(edit.FaceId());
    return true;
}

bool CanRemoveBackground(EditingHost& host) {
    return host.Document().ActiveFace().Background() != nullptr;
}

bool RemoveBackgroundPicture(EditingHost& host) {
    CDiscwrightDoc& doc = host.Document();
    CImage* background = doc.ActiveFace().Background();
    if (background == nullptr)
        return false;
    if (host.PropertyObject() == background)
        host.ShowInPropertyBar(nullptr);
    auto edit = doc.Edit();
    doc.RemoveBackground();
    return true;
}

bool SetBackgroundColour(EditingHost& host, const CommandPrompts& prompts) {
    // The dialog starts on the face's colour, so OK without a change keeps it.
    const std::optional<QColor> colour = prompts.chooseColour(
        host.DialogParent(), ColourFromRef(host.Document().ActiveFace().BackgroundColour()));
    if (!colour)
        return false;
    auto edit = host.Document().Edit();
    edit.SetBackgroundColour(ColourValue(*colour));
    return true;
}

std::unique_ptr<CImage> LoadBackgroundPicture(const QString& path) {
    auto picture = std::make_unique<CImage>(0, 0);
    if (!picture->LoadFile(path))
        return nullptr;
    return picture;
}

bool SetBackgroundFromFile(EditingHost& host, const QString& path, const CommandPrompts& prompts,
                           const PictureFileLoader& loader) {
    std::unique_ptr<CImage> picture = loader(path);
    if (!picture) {
        prompts.showMessage(
            host.DialogParent(),
            QCoreApplication::translate("BackgroundCommands", "Invalid image format!"));
        return false;
    }
    CDiscwrightDoc& doc = host.Document();
    // The property bar may show the old background: it lets go first.
    ClearSelection(host);
    auto edit = doc.Edit();
    doc.SetBackground(std::move(picture));
    doc.StretchBackground(edit.FaceId());
    return true;
}
