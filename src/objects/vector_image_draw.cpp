// Painting and hit testing of vector pictures.
#include "vector_image.h"

#include "metafile/emf_player.h"
#include "platform/device_context.h"
#include "platform/region.h"

#include <cstdlib>

namespace {

// Pictures larger than this on a side are played straight onto the device
// instead of through the cached image.
constexpr int kMaxCachedSide = 6000;

} // namespace

void CVectorImage::Draw(CDeviceContext& dc, int dx, int dy) {
    const RenderContext& context = dc.Context();
    const bool printing = dc.IsPrinting();
    const float fx = context.ScaleX(printing), fy = context.ScaleY(printing);
    const QPoint at = dc.LPtoDP(
        {AddClamped(ScaleCoordinate(m_x, fx), dx), AddClamped(ScaleCoordinate(m_y, fy), dy)});
    const QSize size = dc.LPtoDPSize({ScaleCoordinate(m_width, fx), ScaleCoordinate(m_height, fy)});
    SaveRect();
    if (m_emf.isEmpty() || size.width() == 0 || size.height() == 0)
        return;
    // The object's top-left corner and its extent on the device.
    const QRect target(at, QSize(std::abs(size.width()), std::abs(size.height())));
    QPainter& painter = dc.Painter();
    if (printing || target.width() > kMaxCachedSide || target.height() > kMaxCachedSide) {
        PlayEnhMetaFile(painter, m_emf, QRectF(target));
        return;
    }
    if (m_cache.size() != target.size()) {
        m_cache = QImage(target.size(), QImage::Format_ARGB32_Premultiplied);
        if (m_cache.isNull())
            return;
        m_cache.fill(Qt::transparent);
        QPainter cachePainter(&m_cache);
        PlayEnhMetaFile(cachePainter, m_emf, QRectF(QPointF(0, 0), target.size()));
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(target.topLeft(), m_cache);
    painter.restore();
}

bool CVectorImage::HitTest(int x, int y, float zoom) const {
    return CRegion::Rectangle(Zoomed(m_x, zoom), Zoomed(m_y, zoom),
                              Zoomed(AddClamped(m_x, m_width), zoom),
                              Zoomed(AddClamped(m_y, m_height), zoom))
        .Contains({x, y});
}
