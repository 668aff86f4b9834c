#pragma once

#include "font_mapper.h"
#include "logfont.h"
#include "region.h"
#include "render_context.h"
#include "text_layout.h"
#include "unit_conversion.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Colour values are 0x00BBGGRR.
using ColourRef = uint32_t;
QColor ToQColor(ColourRef colour);
inline constexpr ColourRef Rgb(int r, int g, int b) {
    return static_cast<ColourRef>(r) | static_cast<ColourRef>(g) << 8 |
           static_cast<ColourRef>(b) << 16;
}

enum class MapMode {
    Pixels,   // logical units are device pixels, y down
    HiMetric, // logical units are 0.01 mm, y up, origin at the viewport origin
};

enum class PenStyle { Solid, Dash, Dot, Null };
// A pen's width is in logical units of the context it is used on; 0 is the
// thinnest line (one pixel).
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;
    ColourRef colour = 0;
};

enum class HatchStyle {
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross
};
struct Brush {
    enum class Kind { Solid, Hatched, Null } kind = Kind::Solid;
    ColourRef colour = 0xFFFFFF;
    HatchStyle hatch = HatchStyle::DiagonalCross;

    static Brush Solid(ColourRef c) { return {Kind::Solid, c, HatchStyle::DiagonalCross}; }
    static Brush Hatched(HatchStyle h, ColourRef c) { return {Kind::Hatched, c, h}; }
    static Brush Null() { return {Kind::Null, 0, HatchStyle::DiagonalCross}; }
};

// Copy draws the pen's colour; Invert turns every touched pixel into its
// complement (drawing twice restores the picture).
enum class RasterOp { Copy, Invert };
enum class BackgroundMode { Transparent, Opaque };

// A drawing surface in the style of a Windows device context, over QPainter:
// the 0.01 mm mapping with y up or the pixel mapping, a current pen, brush and
// font, text colour and background, a clip region, the inverting raster
// operation, pixel writes and copies between contexts.
//
// Every figure is converted point by point to whole device pixels first (as
// the Windows mapping does) and then drawn without anti-aliasing, so the
// pixels are the same on every run. Coordinates beyond a few million pixels
// are clamped, so absurd object fields never reach the rasteriser.
//
// The context draws into an image it does not own, or into any paint device
// (a printer) at a given resolution. It carries the render context the
// objects draw with.
class CDeviceContext {
public:
    explicit CDeviceContext(QImage& image, const RenderContext* context = nullptr);
    CDeviceContext(QPaintDevice& device, int pixelsPerInch, const RenderContext* context = nullptr);
    ~CDeviceContext();
    CDeviceContext(const CDeviceContext&) = delete;
    CDeviceContext& operator=(const CDeviceContext&) = delete;

    QImage* Image() const { return m_image; }
    QSize DeviceSize() const { return m_deviceSize; }
    QPainter& Painter() { return m_painter; }

    // Render context: scale factors, unit conversion of the face canvas, album data.
    const RenderContext& Context() const { return *m_context; }
    void SetContext(const RenderContext* context);

    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }

    // Smooth edges for figures, text and scaled pictures. Off by default, so
    // the inverting trackers and the pixel-exact drawing of the editing frame
    // keep hard edges; face canvases (screen, render, export) turn it on.
    void SetAntialiasing(bool on);

    // --- Mapping ---
    MapMode SetMapMode(MapMode mode);
    MapMode GetMapMode() const { return m_mapMode; }
    // Device pixel where logical (0, 0) lies.
    QPoint SetViewportOrigin(QPoint origin);
    QPoint ViewportOrigin() const { return m_origin; }
    const UnitConversion& Conversion() const { return m_conversion; }
    QPoint LPtoDP(QPoint logical) const;
    QPoint DPtoLP(QPoint device) const;
    // Sizes: no origin and no flip, signs kept.
    QSize LPtoDPSize(QSize logical) const;
    QSize DPtoLPSize(QSize device) const;
    // A logical rectangle given by two corners, as normalised device pixels
    // (right and bottom exclusive).
    QRect DeviceRect(int left, int top, int right, int bottom) const;

    // --- Tools ---
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    RasterOp SetROP2(RasterOp op);
    ColourRef SetTextColor(ColourRef colour);
    ColourRef SetBkColor(ColourRef colour);
    BackgroundMode SetBkMode(BackgroundMode mode);
    // Makes a font from a record whose lfHeight is in this context's logical
    // units; no value when the record cannot give a font.
    std::optional<DeviceFont> CreateFont(const LOGFONTA& record) const;
    DeviceFont SelectFont(const DeviceFont& font);
    const DeviceFont& CurrentFont() const { return m_font; }

    // --- Figures (logical coordinates, current pen and brush) ---
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const std::vector<QPoint>& points); // alternate fill
    void MoveTo(int x, int y);
    // A line from the current position, leaving out its end point.
    void LineTo(int x, int y);
    void Polyline(const std::vector<QPoint>& points);
    // Counter-clockwise (as seen) along the ellipse in the box from the ray
    // through (xStart, yStart) to the ray through (xEnd, yEnd).
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    void FillRect(int left, int top, int right, int bottom, const Brush& brush);
    void FillRegion(const CRegion& deviceRegion, const Brush& brush);
    // Writes one pixel in the current raster operation (Invert ignores colour).
    void SetPixel(int x, int y, ColourRef colour);
    // Many pixels of one colour at once.
    void SetPixels(const std::vector<QPoint>& logicalPoints, ColourRef colour);

    // --- Text (logical coordinates; the cell's top-left at the point) ---
    void TextOut(int x, int y, const QString& text);
    // Extent of one line in the current font, in logical units (positive).
    QSize GetTextExtent(const QString& text) const;
    // Word-wrapping text drawing into a logical rectangle with DrawTextFlag
    // flags; returns the height of the drawn text in logical units. Text below
    // the rectangle is still drawn (there is no clipping).
    int DrawText(const QString& text, int left, int top, int right, int bottom, unsigned flags);

    // --- Clipping (device pixels) ---
    void SelectClipRegion(const CRegion* deviceRegion);

    // --- Copies (device pixels; the source must draw into an image) ---
    void BitBlt(QPoint destination, QSize size, const CDeviceContext& source, QPoint sourceOrigin);
    void StretchBlt(const QRect& destination, const CDeviceContext& source,
                    const QRect& sourceRect);

private:
    void ApplyFigureStyle(); // pen, brush and raster operation of a filled figure
    void ApplyPen();
    void ApplyBrush();
    void ApplyRop();
    QBrush MakeBrush(const Brush& brush) const;
    int PenPixels() const;
    QRectF FigureRect(const QRect& device) const;
    void DrawPixelRun(const std::vector<QPoint>& devicePoints, ColourRef colour);

    QPainter m_painter;
    QImage* m_image = nullptr;
    QSize m_deviceSize;
    RenderContext m_defaultContext;
    const RenderContext* m_context = &m_defaultContext;
    bool m_printing = false;
    MapMode m_mapMode = MapMode::Pixels;
    QPoint m_origin;
    UnitConversion m_conversion;
    Pen m_pen;
    Brush m_brush = Brush::Solid(0xFFFFFF);
    RasterOp m_rop = RasterOp::Copy;
    ColourRef m_textColour = 0;
    ColourRef m_bkColour = 0xFFFFFF;
    BackgroundMode m_bkMode = BackgroundMode::Opaque;
    DeviceFont m_font;
    QPoint m_current; // device
};

// Offset of step i of `steps` along a run of d pixels, rounded; 128-bit
// products keep lines between extreme coordinates exact.
inline long long DdaOffset(long long d, long long i, long long steps) {
    const __int128 num = static_cast<__int128>(2) * d * i + (d >= 0 ? steps : -steps);
    return static_cast<long long>(num / (2 * static_cast<__int128>(steps)));
}

// Steps along the line from a to b (device pixels), leaving out b, calling
// visit(x, y) for each pixel inside `bounds`, as the platform's line-stepping
// routine does. The steps outside are skipped, not walked, so a line of a billion pixels
// costs only its visible part.
template <typename Visit>
void LineDdaClipped(QPoint a, QPoint b, const QRect& bounds, Visit&& visit);

template <typename Visit>
void LineDdaClipped(QPoint a, QPoint b, const QRect& bounds, Visit&& visit) {
    const long long dx = static_cast<long long>(b.x()) - a.x();
    const long long dy = static_cast<long long>(b.y()) - a.y();
    const long long steps = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
    if (steps == 0)
        return;
    double lo = 0, hi = static_cast<double>(steps - 1);
    const auto limit = [&](long long d, int start, int min, int max) {
        if (d == 0) {
            if (start < min - 1 || start > max + 1)
                hi = -1;
            return;
        }
        double t0 = (min - 2.0 - start) * steps / d, t1 = (max + 2.0 - start) * steps / d;
        if (t0 > t1)
            std::swap(t0, t1);
        lo = std::max(lo, t0);
        hi = std::min(hi, t1);
    };
    limit(dx, a.x(), bounds.left(), bounds.right());
    limit(dy, a.y(), bounds.top(), bounds.bottom());
    if (lo > hi)
        return;
    for (long long i = static_cast<long long>(lo); i <= static_cast<long long>(hi); ++i) {
        const long long x = a.x() + DdaOffset(dx, i, steps);
        const long long y = a.y() + DdaOffset(dy, i, steps);
        if (x >= bounds.left() && x <= bounds.right() && y >= bounds.top() && y <= bounds.bottom())
            visit(static_cast<int>(x), static_cast<int>(y));
    }
}
