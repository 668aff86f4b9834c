#include "face_renderer.h"

#include "discwright_doc.h"
#include "face.h"
#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"

#include <algorithm>
#include <cmath>
#include <vector>

Brush DeskBrush() {
    return Brush::Hatched(HatchStyle::DiagonalCross, kDeskHatchColour);
}

FaceOutline OutlineOfFace(const CDiscwrightDoc& doc, int faceId) {
    FaceOutline outline;
    if (faceId == kDiscFace) {
        const LabelStock& stock = doc.StockOfFace(kDiscFace);
        outline.disc = true;
        outline.holeWidth = stock.holeWidth;
        outline.holeHeight = stock.holeHeight;
    }
    return outline;
}

QSize FaceSizePixels(const Face& face, float zoom, const UnitConversion& units) {
    const int w = units.UnitsToPixels(Zoomed(face.m_width, zoom));
    const int h = units.UnitsToPixels(Zoomed(face.m_height, zoom));
    return {std::clamp(w, 0, kMaxFacePixels), std::clamp(h, 0, kMaxFacePixels)};
}

RenderContext MakeRenderContext(const CDiscwrightDoc& doc, float zoom) {
    RenderContext context;
    context.viewZoom = zoom;
    context.expandPlaceholders = [&doc](const QString& text) {
        return doc.ExpandPlaceholders(text);
    };
    context.album = &doc.Album();
    return context;
}

void DrawFace(CDeviceContext& dc, Face& face, bool withBackground) {
    const float zoom = dc.Context().ScaleX(dc.IsPrinting());
    const float zoomY = dc.Context().ScaleY(dc.IsPrinting());
    dc.FillRect(0, 0, Zoomed(face.m_width, zoom), -Zoomed(face.m_height, zoomY),
                Brush::Solid(face.m_backgroundColour));
    if (withBackground && face.Background())
        face.Background()->Draw(dc, 0, 0);
    for (const auto& object : face.Objects()) {
        object->SaveRect();
        object->Draw(dc, 0, 0);
    }
}

void RefreshFaceCanvas(QImage& canvas, Face& face, const RenderContext& context,
                       bool withBackground) {
    // One pixel of slack: the conversion of a side may round up.
    const QSize size = FaceSizePixels(face, context.viewZoom, context.canvas) + QSize(1, 1);
    if (canvas.size() != size || canvas.format() != QImage::Format_RGB32)
        canvas = QImage(size, QImage::Format_RGB32);
    canvas.fill(ToQColor(face.m_backgroundColour));
    // Pictures resample for display before the device context exists: the
    // same filter runs at less than half the speed while one is alive.
    if (CImage* background = face.Background(); background != nullptr && withBackground)
        background->PrepareDisplayCopy(context);
    for (const auto& object : face.Objects())
        if (auto* picture = dynamic_cast<CImage*>(object.get()))
            picture->PrepareDisplayCopy(context);
    CDeviceContext dc(canvas, &context);
    dc.SetAntialiasing(true);
    dc.SetMapMode(MapMode::HiMetric);
    DrawFace(dc, face, withBackground);
}

QRect ObjectPaintBounds(const CBaseObject& object, QRect unitsRect, float zoom,
                        const UnitConversion& units) {
    // Text runs on below its rectangle and a long word past its side; circular
    // text follows a circle that may leave its rectangle.
    if (dynamic_cast<const CCirText*>(&object) != nullptr ||
        dynamic_cast<const CText*>(&object) != nullptr)
        return QRect(0, 0, kMaxFacePixels, kMaxFacePixels);
    const QPoint a =
        units.LogicalToDevice({Zoomed(unitsRect.x(), zoom), Zoomed(unitsRect.y(), zoom)});
    const QPoint b =
        units.LogicalToDevice({Zoomed(AddClamped(unitsRect.x(), unitsRect.width()), zoom),
                               Zoomed(AddClamped(unitsRect.y(), unitsRect.height()), zoom)});
    QRect box = QRect(a, b).normalized();
    // Rotated text turns about the centre of its rectangle.
    const int side = std::max(box.width(), box.height());
    box |= QRect(box.center().x() - side / 2, box.center().y() - side / 2, side + 1, side + 1);
    int margin = 3;
    if (const auto* shape = dynamic_cast<const CShape*>(&object))
        margin +=
            static_cast<int>(std::ceil(std::max(1, shape->m_lineWidth) * std::max(zoom, 1.0f)));
    return box.adjusted(-margin, -margin, margin, margin);
}

void RefreshFaceCanvasRegion(QImage& canvas, Face& face, const RenderContext& context,
                             QRect dirty) {
    const QSize size = FaceSizePixels(face, context.viewZoom, context.canvas) + QSize(1, 1);
    if (canvas.size() != size || canvas.format() != QImage::Format_RGB32) {
        RefreshFaceCanvas(canvas, face, context);
        return;
    }
    dirty &= canvas.rect();
    if (dirty.isEmpty())
        return;
    if (CImage* background = face.Background())
        background->PrepareDisplayCopy(context);
    std::vector<CBaseObject*> touching;
    for (const auto& object : face.Objects()) {
        const QRect rect(object->m_x, object->m_y, object->m_width, object->m_height);
        if (ObjectPaintBounds(*object, rect, context.viewZoom, context.canvas).intersects(dirty)) {
            if (auto* picture = dynamic_cast<CImage*>(object.get()))
                picture->PrepareDisplayCopy(context);
            touching.push_back(object.get());
        }
        object->SaveRect();
    }
    CDeviceContext dc(canvas, &context);
    dc.SetAntialiasing(true);
    const CRegion clip =
        CRegion::Rectangle(dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1);
    dc.SelectClipRegion(&clip);
    dc.FillRect(dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1,
                Brush::Solid(face.m_backgroundColour));
    dc.SetMapMode(MapMode::HiMetric);
    if (CImage* background = face.Background())
        background->Draw(dc, 0, 0);
    for (CBaseObject* object : touching)
        object->Draw(dc, 0, 0);
}

CRegion FaceClipRegion(QPoint origin, const Face& face, const FaceOutline& outline, float zoom,
                       const UnitConversion& units) {
    const QSize size = FaceSizePixels(face, zoom, units);
    const int l = origin.x(), t = origin.y(), r = l + size.width(), b = t + size.height();
    if (!outline.disc)
        return CRegion::Rectangle(l, t, r, b);
    const int hw =
        std::clamp(units.UnitsToPixels(Zoomed(outline.holeWidth, zoom)), 0, size.width());
    const int hh =
        std::clamp(units.UnitsToPixels(Zoomed(outline.holeHeight, zoom)), 0, size.height());
    const int hl = l + (size.width() - hw) / 2, ht = t + (size.height() - hh) / 2;
    return CRegion::Combined(CRegion::Ellipse(l, t, r, b),
                             CRegion::Ellipse(hl, ht, hl + hw, ht + hh),
                             CRegion::Combine::Difference);
}

void SetFaceClip(QPoint origin, CDeviceContext& dc, const Face& face, const FaceOutline& outline) {
    const CRegion clip =
        FaceClipRegion(origin, face, outline, dc.Context().viewZoom, dc.Context().canvas);
    dc.SelectClipRegion(&clip);
}

void DrawGrid(CDeviceContext& dc, QPoint origin, const Face& face, int spacing) {
    if (spacing <= 0)
        return;
    const float zoom = dc.Context().viewZoom;
    const UnitConversion& units = dc.Context().canvas;
    const QSize size = FaceSizePixels(face, zoom, units);
    // Each dot's position is converted on its own, so rounding never adds up
    // across the face; dots beyond the canvas limit are not made.
    std::vector<int> xs, ys;
    for (long long u = spacing; u <= face.m_width; u += spacing) {
        const int x = units.UnitsToPixels(Zoomed(static_cast<int>(u), zoom));
        if (x > size.width())
            break;
        xs.push_back(x);
    }
    for (long long u = spacing; u <= face.m_height; u += spacing) {
        const int y = units.UnitsToPixels(Zoomed(static_cast<int>(u), zoom));
        if (y > size.height())
            break;
        ys.push_back(y);
    }
    std::vector<QPoint> dots;
    dots.reserve(xs.size() * ys.size());
    for (int y : ys)
        for (int x : xs)
            dots.emplace_back(origin.x() + x, origin.y() + y);
    dc.SetPixels(dots, 0x000000);
}

void DrawFoldLines(CDeviceContext& dc, QPoint origin, const Face& face) {
    const float zoom = dc.Context().viewZoom;
    const UnitConversion& units = dc.Context().canvas;
    const QSize size = FaceSizePixels(face, zoom, units);
    const int inset = units.UnitsToPixels(Zoomed(kFoldLineInset, zoom));
    const Pen old = dc.SelectPen(Pen{PenStyle::Solid, 0, 0x000000});
    for (int x : {inset, size.width() - inset}) {
        dc.MoveTo(origin.x() + x, origin.y());
        dc.LineTo(origin.x() + x, origin.y() + size.height());
    }
    dc.SelectPen(old);
}

QImage RenderFaceImage(CDiscwrightDoc& doc, int faceId, const FaceImageOptions& options) {
    Face& face = doc.GetFace(faceId);
    const RenderContext context = MakeRenderContext(doc, options.zoom);
    if (FaceSizePixels(face, options.zoom, context.canvas).isEmpty())
        return {};
    QImage canvas;
    RefreshFaceCanvas(canvas, face, context);

    const int margin = std::clamp(options.margin, 0, 1000);
    const QSize size = FaceSizePixels(face, options.zoom, context.canvas);
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    CDeviceContext dc(image, &context);
    CDeviceContext canvasDc(canvas, &context);
    dc.FillRect(0, 0, image.width(), image.height(), DeskBrush());
    const QPoint origin(margin, margin);
    SetFaceClip(origin, dc, face, OutlineOfFace(doc, faceId));
    dc.BitBlt(origin, canvas.size(), canvasDc, {0, 0});
    if (options.grid)
        DrawGrid(dc, origin, face, doc.m_gridSpacing);
    if (faceId == kBackFace)
        DrawFoldLines(dc, origin, face);
    dc.SelectClipRegion(nullptr);
    return image;
}
