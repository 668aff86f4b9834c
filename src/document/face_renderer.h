#pragma once

#include "edit_footprint.h"
#include "platform/device_context.h"
#include "platform/region.h"
#include "platform/render_context.h"

#include <QImage>
#include <QSize>

class CBaseObject;
class CDiscwrightDoc;
class Face;

// Drawing of whole faces without a widget: the face canvas the editing view
// shows, the pieces a frame is composed of (desk, outline clip, grid, fold
// lines), and finished face images for the command line, export and
// thumbnails. Sizes in pixels are those of the face canvas conversion.

// The desk around and inside a face: a cross-diagonal hatch on white.
inline constexpr ColourRef kDeskHatchColour = Rgb(191, 191, 191);
Brush DeskBrush();

// Fold lines of the back insert lie this far inside its left and right edges.
inline constexpr int kFoldLineInset = 800; // 8 mm

// Canvases and pages never grow beyond this many pixels a side, whatever a
// label stock file claims; the rest of such a face is not shown.
inline constexpr int kMaxFacePixels = 6000;

// What clips a face: the disc ring with its hole, or the face rectangle.
struct FaceOutline {
    bool disc = false;
    int holeWidth = 0; // logical units
    int holeHeight = 0;
};
FaceOutline OutlineOfFace(const CDiscwrightDoc& doc, int faceId);

// The face at `zoom` in pixels (each side zoomed, converted, truncated).
QSize FaceSizePixels(const Face& face, float zoom, const UnitConversion& units);

// A render context for the document at a zoom: placeholders from its album data.
RenderContext MakeRenderContext(const CDiscwrightDoc& doc, float zoom);

// Fills the face at its origin with its background colour, draws its
// background picture when asked, then every object from bottom to top. `dc`
// is in the metric mapping; scaling comes from its render context.
void DrawFace(CDeviceContext& dc, Face& face, bool withBackground);

// Redraws the face canvas: the whole canvas in the background colour, then
// the face, with its background picture unless told otherwise. `canvas` is
// resized to the face.
void RefreshFaceCanvas(QImage& canvas, Face& face, const RenderContext& context,
                       bool withBackground = true);

// The canvas pixels an object with the rectangle (x, y, width, height) may
// paint at `zoom`: the rectangle, the square a quarter turn of it covers,
// and room for its outline and smoothed edges. Text may run past its
// rectangle: its bounds are the whole canvas.
QRect ObjectPaintBounds(const CBaseObject& object, QRect unitsRect, float zoom,
                        const UnitConversion& units);
// The canvas pixels of a paint area at `zoom` (the same reckoning).
QRect PaintAreaBounds(const PaintArea& area, float zoom, const UnitConversion& units);

// Redraws only `dirty` (canvas pixels) of a canvas that RefreshFaceCanvas
// made for the same face and context: the background there, then the objects
// that may paint there. Far cheaper than a whole refresh on a crowded face
// when one object moved; falls back to one when the canvas does not fit.
void RefreshFaceCanvasRegion(QImage& canvas, Face& face, const RenderContext& context, QRect dirty);

// The clip region of a face whose top-left pixel lies at `origin`: the disc's
// ellipse minus its centred hole, or the face rectangle.
CRegion FaceClipRegion(QPoint origin, const Face& face, const FaceOutline& outline, float zoom,
                       const UnitConversion& units);
void SetFaceClip(QPoint origin, CDeviceContext& dc, const Face& face, const FaceOutline& outline);

// One black pixel every `spacing` units over the face, none on its left and
// top edges (pixel-mapped `dc`).
void DrawGrid(CDeviceContext& dc, QPoint origin, const Face& face, int spacing);
// The back insert's two spine folds, one pixel wide over the face's height.
void DrawFoldLines(CDeviceContext& dc, QPoint origin, const Face& face);

// A face as the view shows it, without selection: the face clipped to its
// outline on the desk, the grid when asked, fold lines on the back face, with
// `margin` pixels of desk around it.
struct FaceImageOptions {
    float zoom = 1.0f;
    bool withBackground = true;
    bool grid = false;
    int margin = 0;
};
// A null image when the face has no size (its label stock gave none).
QImage RenderFaceImage(CDiscwrightDoc& doc, int faceId, const FaceImageOptions& options);
