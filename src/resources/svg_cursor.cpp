#include "svg_cursor.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

QCursor SvgCursor(const QString& path, QPoint hotSpot, Qt::CursorShape fallback) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        return QCursor(fallback);
    }
    // Drawn at the highest ratio of the screens, so the cursor is sharp on a
    // high-density screen and merely scaled down on an ordinary one.
    const qreal ratio = std::max<qreal>(1.0, qGuiApp->devicePixelRatio());
    const QSize logical = renderer.defaultSize();
    QImage image(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}
