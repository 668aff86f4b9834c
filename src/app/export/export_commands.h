#pragma once

#include <QString>

class ArtGallery;
class CDiscwrightView;
class QWidget;

// The faces in the order exports write them: back, disc, front, inside.
inline constexpr int kExportFaceOrder[] = {3, 0, 1, 2};

// Edit > "Export Cover As Images...": the dialog, then one picture per
// checked face. Faces that cannot be written are listed in one message.
void RunExportCoverAsImages(QWidget* parent, CDiscwrightView& view);

// Edit > "Export As Layouts...": the dialog, then the thumbnail and the
// layout file of each checked face; the gallery lists its folder again.
void RunExportAsLayouts(QWidget* parent, CDiscwrightView& view, ArtGallery* gallery);

// Inserts a layout the gallery chose; a damaged file is reported.
void InsertLayoutFromGallery(QWidget* parent, CDiscwrightView& view, const QString& path);
