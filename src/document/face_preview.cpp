#include "face_preview.h"

#include "document/discwright_doc.h"
#include "document/face.h"
#include "document/face_renderer.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr float kMaxZoom = 4.0f;
const QColor kOutlineColour(128, 128, 128);

} // namespace

bool FaceLooksEmpty(const Face& face) {
    return face.Objects().empty() && !face.Background() && face.BackgroundColour() == kWhite;
}

int PreviewFaceOf(const CDiscwrightDoc& doc) {
    return FaceLooksEmpty(doc.GetFace(kFrontFace)) ? int(kDiscFace) : int(kFrontFace);
}

QImage RenderFacePreview(CDiscwrightDoc& doc, int faceId, int size) {
    Face& face = doc.GetFace(faceId);
    const UnitConversion units;
    const QSize natural = FaceSizePixels(face, 1.0f, units);
    if (natural.isEmpty() || size <= 0)
        return {};
    // Drawn at twice the final size and scaled down smoothly: text and thin
    // lines then look as they do on screen rather than jagged.
    const int longer = std::max(natural.width(), natural.height());
    const float zoom = std::min(kMaxZoom, 2.0f * float(size) / float(longer));
    const RenderContext context = MakeRenderContext(doc, zoom);
    const QSize drawn = FaceSizePixels(face, zoom, context.canvas);
    if (drawn.isEmpty())
        return {};

    QImage canvas;
    RefreshFaceCanvas(canvas, face, context);
    QImage large(drawn, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        CDeviceContext dc(large, &context);
        CDeviceContext canvasDc(canvas, &context);
        SetFaceClip({0, 0}, dc, face, OutlineOfFace(doc, faceId));
        dc.BitBlt({0, 0}, drawn, canvasDc, {0, 0});
        dc.SelectClipRegion(nullptr);
    }
    QImage preview = large.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (preview.isNull())
        return {};

    // The outline, half a pixel inside the picture so that it is whole.
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutlineColour, 1.0));
    painter.setBrush(Qt::NoBrush);
    const QRectF bounds = QRectF(preview.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const FaceOutline outline = OutlineOfFace(doc, faceId);
    if (outline.disc) {
        painter.drawEllipse(bounds);
        const double scaleX = preview.width() / double(face.Width());
        const double scaleY = preview.height() / double(face.Height());
        const QSizeF hole(outline.holeWidth * scaleX, outline.holeHeight * scaleY);
        if (hole.width() >= 2 && hole.height() >= 2)
            painter.drawEllipse(
                QRectF(bounds.center() - QPointF(hole.width(), hole.height()) / 2, hole));
    } else {
        painter.drawRect(bounds);
    }
    painter.end();
    return preview.convertToFormat(QImage::Format_ARGB32);
}
