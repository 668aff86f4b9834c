#pragma once

#include "objects/base_object.h"
#include "platform/device_context.h"

#include <QImage>

// Paints objects the way the face canvas does: a white image in the metric
// mapping at a zoom.
inline QImage PaintObject(CBaseObject& object, const RenderContext& context,
                          QSize size = {500, 500}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDeviceContext dc(image, &context);
    dc.SetMapMode(MapMode::HiMetric);
    object.Draw(dc, 0, 0);
    return image;
}

inline RenderContext AtZoom(float zoom) {
    RenderContext context;
    context.viewZoom = zoom;
    return context;
}

inline QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Pixels in `area` that are not white.
inline int Ink(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect a = area.intersected(image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += Pixel(image, x, y) != 0xFFFFFF;
    return n;
}
