#pragma once

#include <QString>

#include <functional>
#include <span>

class ArtGallery;
class CDiscwrightView;
class QWidget;

// The faces in the order exports write them: back, disc, front, inside.
inline constexpr int kExportFaceOrder[] = {3, 0, 1, 2};

// Edit > "Export Cover As Images...": the dialog, then one picture per
// checked face. Faces that cannot be written are listed in one message.
void RunExportCoverAsImages(QWidget* parent, CDiscwrightView& view);

// Edit > "Export As Layouts...": the dialog, then ExportLayouts; when the
// user declines to replace a layout, the dialog comes back with the name.
void RunExportAsLayouts(QWidget* parent, CDiscwrightView& view, ArtGallery* gallery);

// The questions and messages of a layout export; tests answer them.
struct LayoutExportPrompts {
    std::function<bool(const QString& text)> ask;
    std::function<void(const QString& text)> inform;
};
// Writes the thumbnail and the layout file of each face of `faceIds` under
// `name`, then the gallery lists its folder again. The user's own layout of
// that name is replaced only after "Replace the layout X?" (false, nothing
// written, on No); a shipped layout is never replaced: the face's layout
// gets a free name. One message afterwards names the free names and the
// faces that hold no objects (their layouts are empty).
bool ExportLayouts(QWidget* parent, CDiscwrightView& view, ArtGallery* gallery, const QString& name,
                   std::span<const int> faceIds, const LayoutExportPrompts& prompts);

// Inserts a layout the gallery chose; a damaged file is reported.
void InsertLayoutFromGallery(QWidget* parent, CDiscwrightView& view, const QString& path);
