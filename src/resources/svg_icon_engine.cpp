#include "svg_icon_engine.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

// Without a widget style (a plain QGuiApplication) a disabled icon is a
// faded grey copy, which reads as disabled on light and dark themes alike.
QImage FadedGrey(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    return image;
}

} // namespace

SvgIconEngine::SvgIconEngine(QString path)
    : m_path(std::move(path)), m_exists(QFileInfo::exists(m_path)) {
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, Render((QSizeF(rect.size()) * ratio).toSize(), mode, ratio));
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    return Render(size, mode, 1.0);
}

QPixmap SvgIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                    qreal scale) {
    // Qt before 6.8 passes the size in device pixels here, later versions the
    // size in logical pixels.
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    return Render(size, mode, scale);
#else
    return Render((QSizeF(size) * scale).toSize(), mode, scale);
#endif
}

QPixmap SvgIconEngine::Render(const QSize& device, QIcon::Mode mode, qreal ratio) const {
    if (device.isEmpty()) {
        return {};
    }
    // Selected and active icons look like normal ones; only disabled differs.
    const bool disabled = mode == QIcon::Disabled;
    const QString cacheKey = QStringLiteral("lumvane-svg-icon:%1:%2x%3:%4")
                                 .arg(m_path)
                                 .arg(device.width())
                                 .arg(device.height())
                                 .arg(disabled ? 1 : 0);
    QPixmap pixmap;
    if (!QPixmapCache::find(cacheKey, &pixmap)) {
        QImage image(device, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(m_path);
        if (renderer.isValid()) {
            // Square artwork in a non-square request stays square and centred.
            QSizeF drawn = renderer.defaultSize();
            drawn.scale(QSizeF(device), Qt::KeepAspectRatio);
            const QRectF target(QPointF((device.width() - drawn.width()) / 2,
                                        (device.height() - drawn.height()) / 2),
                                drawn);
            QPainter painter(&image);
            renderer.render(&painter, target);
        }
        pixmap = QPixmap::fromImage(image);
        if (disabled) {
            auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
            if (app != nullptr) {
                QStyleOption option;
                option.palette = QApplication::palette();
                pixmap =
                    QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
            } else {
                pixmap = QPixmap::fromImage(FadedGrey(image));
            }
        }
        QPixmapCache::insert(cacheKey, pixmap);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(m_path);
}

QString SvgIconEngine::key() const {
    return QStringLiteral("LumvaneSvgIconEngine");
}

QString SvgIconEngine::iconName() {
    return QFileInfo(m_path).completeBaseName();
}

bool SvgIconEngine::isNull() {
    return !m_exists;
}
