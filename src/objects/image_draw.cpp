// Painting and hit testing of raster pictures.
#include "image.h"

#include "imaging/blend.h"
#include "imaging/raster_image.h"
#include "picture_page_drawing.h"
#include "platform/device_context.h"
#include "platform/region.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Overall opacity from a transparency that files may hold out of range.
int Opacity(int transparency) {
    return int(std::clamp<long long>(255LL - transparency, 0, 255));
}

// Larger pictures on a device are not drawn: the display filter refuses them
// and their column tables would be huge.
bool DrawableSize(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= CRasterImage::kMaxSide &&
           size.height() <= CRasterImage::kMaxSide;
}

} // namespace

void CImage::ResetDisplayCache() {
    m_image->ResetCache();
}

void CImage::ResolveNaturalSize(const UnitConversion& units) {
    if (!m_image->IsValid())
        return;
    if (Width() == -1)
        SetWidth(units.PixelsToUnits(m_image->Width()));
    if (Height() == -1)
        SetHeight(-units.PixelsToUnits(m_image->Height()));
}

void CImage::PrepareDisplayCopy(const RenderContext& context) {
    const float fx = context.ScaleX(false), fy = context.ScaleY(false);
    const UnitConversion& units = context.canvas;
    const QSize extent(std::abs(units.UnitsToPixels(ScaleCoordinate(Width(), fx))),
                       std::abs(units.UnitsToPixels(ScaleCoordinate(Height(), fy))));
    CRasterImage& image = *m_image; // the display copy is not the picture's state
    if (!DrawableSize(extent) || !image.IsValid() || image.BitCount() != 24 ||
        extent == QSize(image.Width(), image.Height()))
        return;
    image.ResampledCopy(extent.width(), extent.height());
}

void CImage::Draw(CDeviceContext& dc, int dx, int dy) {
    const RenderContext& context = dc.Context();
    const bool printing = dc.IsPrinting();
    const float fx = context.ScaleX(printing), fy = context.ScaleY(printing);
    const QPoint at = dc.LPtoDP(
        {AddClamped(ScaleCoordinate(X(), fx), dx), AddClamped(ScaleCoordinate(Y(), fy), dy)});
    const QSize size = dc.LPtoDPSize({ScaleCoordinate(Width(), fx), ScaleCoordinate(Height(), fy)});
    const QSize extent(std::abs(size.width()), std::abs(size.height()));
    if (!DrawableSize(extent))
        return;
    if (dc.Image() == nullptr) {
        // A page device (printer, PDF, preview) takes the picture at its own
        // resolution and scales it itself.
        DrawPictureOnPage(dc, *m_image, JpegFileBytes(), QRect(at, extent),
                          Opacity(m_transparency));
        return;
    }
    // What the face shows so far is read back from the device when it is an
    // image (the face canvas); a printer starts from white paper.
    static const QImage kNoCanvas;
    const QImage& canvas = dc.Image() != nullptr ? *dc.Image() : kNoCanvas;
    QPainter& painter = dc.Painter();
    QRect faceRect(QPoint(0, 0), dc.DeviceSize());
    if (painter.hasClipping())
        faceRect &= painter.clipBoundingRect().toAlignedRect();
    BlendOntoDevice(*m_image, painter, canvas, QRect(at, extent), Opacity(m_transparency), faceRect,
                    QPoint(0, 0), printing);
}

bool CImage::HitTest(int x, int y, float zoom) const {
    return CRegion::Rectangle(Zoomed(X(), zoom), Zoomed(Y(), zoom),
                              Zoomed(AddClamped(X(), Width()), zoom),
                              Zoomed(AddClamped(Y(), Height()), zoom))
        .Contains({x, y});
}

bool CImage::DrawToBitmap(QImage& buffer, int dx, int dy, float zoom, const UnitConversion& units) {
    const QPoint at =
        units.LogicalToDevice({Zoomed(X(), zoom), Zoomed(Y(), zoom)}) + QPoint(dx, dy);
    const QSize extent(std::abs(units.UnitsToPixels(Zoomed(Width(), zoom))),
                       std::abs(units.UnitsToPixels(Zoomed(Height(), zoom))));
    if (!DrawableSize(extent))
        return false;
    return BlendIntoBuffer(*m_image, buffer, QRect(at, extent), Opacity(m_transparency));
}
