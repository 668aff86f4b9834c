#include "imaging/blend.h"

#include "imaging/raster_image.h"

#include <algorithm>
#include <vector>

#include <QPainter>
#include <QRegion>

namespace {

// Maps device pixels of the image rectangle to image pixels. Columns count
// from the rectangle's left edge from 0, rows from its top edge from 1, so
// the top device row reads the top image row even when the scale rounds.
struct PixelMap {
    CRasterImage& image;
    int deviceW, deviceH;
    const uint8_t* colourRows = nullptr; // 24-bit rows at device or image size
    int colourStride = 0;
    bool resampled = false;
    std::vector<int> column; // image column of each device column

    PixelMap(CRasterImage& img, int dw, int dh) : image(img), deviceW(dw), deviceH(dh) {
        column.resize(size_t(dw));
        for (int c = 0; c < dw; ++c)
            column[size_t(c)] = int(int64_t(c) * img.Width() / dw);
        if (img.BitCount() == 24) {
            resampled = dw != img.Width() || dh != img.Height();
            colourRows = resampled ? img.ResampledCopy(dw, dh) : img.Bits();
            colourStride = resampled ? DibStride(dw, 24) : img.Stride();
        }
    }
    bool Ready() const { return image.BitCount() != 24 || colourRows != nullptr; }
    // Image row (bottom-up) for device row r counted from 1.
    int ImageRow(int r) const {
        const int64_t ih = image.Height();
        const int64_t up = (int64_t(r) * ih + deviceH - 1) / deviceH;
        return int(std::max<int64_t>(0, ih - up));
    }
};

struct PixelValue {
    RgbQuad colour;
    int alpha;
};

// Colour and alpha of device pixel (c, r) before the opacity rules.
inline PixelValue Fetch(const PixelMap& map, int c, int r, int imageRow) {
    CRasterImage& image = map.image;
    const ImageInfo& info = image.Info();
    const int ix = map.column[size_t(c)];
    int alpha = image.HasAlpha() ? image.Alpha()[size_t(imageRow) * image.Width() + ix] : 255;
    alpha = (alpha * (info.maxOpacity + 1)) >> 8;
    RgbQuad colour;
    if (image.BitCount() < 24) {
        colour = image.Palette()[image.PixelIndex(ix, imageRow)];
        if (info.alphaInPalette)
            alpha = (alpha * (colour.reserved + 1)) >> 8;
    } else {
        const int row = map.resampled ? map.deviceH - r : imageRow;
        const int col = map.resampled ? c : ix;
        const uint8_t* p = map.colourRows + size_t(row) * map.colourStride + size_t(col) * 3;
        colour = RgbQuad{p[0], p[1], p[2], 0};
    }
    return {colour, alpha};
}

inline bool SameColour(RgbQuad a, RgbQuad b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

inline void Mix(uint8_t* d, RgbQuad c, int alpha) {
    d[0] = uint8_t((c.blue * alpha + d[0] * (255 - alpha)) >> 8);
    d[1] = uint8_t((c.green * alpha + d[1] * (255 - alpha)) >> 8);
    d[2] = uint8_t((c.red * alpha + d[2] * (255 - alpha)) >> 8);
}

inline void Copy(uint8_t* d, RgbQuad c) {
    d[0] = c.blue, d[1] = c.green, d[2] = c.red;
}

bool CanDraw(const CRasterImage& image, const QRect& imageRect) {
    return image.IsValid() && image.Width() > 0 && image.Height() > 0 && image.Info().enabled &&
           imageRect.width() > 0 && imageRect.height() > 0;
}

} // namespace

bool ComposeSection(CRasterImage& image, const QImage& canvas, const QRect& imageRect, int opacity,
                    const QRect& faceRect, bool printing, BlendedSection& out) {
    if (!CanDraw(image, imageRect))
        return false;
    QRect visible = imageRect.intersected(faceRect);
    visible = visible.intersected(QRect(0, 0, INT_MAX / 2, INT_MAX / 2));
    if (visible.isEmpty())
        return false;
    PixelMap map(image, imageRect.width(), imageRect.height());
    if (!map.Ready())
        return false;
    out.visible = visible;
    out.section = QImage(visible.size(), QImage::Format_BGR888);
    out.section.fill(Qt::white);
    {
        // What is already on the face at that place.
        QPainter copy(&out.section);
        copy.drawImage(QPoint(0, 0), canvas, visible);
    }
    out.mask = printing ? QImage(visible.size(), QImage::Format_Grayscale8) : QImage();
    if (printing)
        out.mask.fill(255);
    const ImageInfo& info = image.Info();
    const RgbQuad key = image.KeyColour();
    const bool useAlpha = info.useAlphaChannel != 0;
    const bool alphaUsed = useAlpha && image.HasAlpha();
    const bool keyHidden = info.transparentColour != 0;
    for (int y = 0; y < visible.height(); ++y) {
        const int r = visible.top() + y - imageRect.top() + 1;
        const int imageRow = map.ImageRow(r);
        uint8_t* d = out.section.scanLine(y);
        uint8_t* m = printing ? out.mask.scanLine(y) : nullptr;
        for (int x = 0; x < visible.width(); ++x, d += 3) {
            const int c = visible.left() + x - imageRect.left();
            PixelValue p = Fetch(map, c, r, imageRow);
            if (p.alpha == 255)
                p.alpha = opacity;
            if (!useAlpha)
                p.alpha = 255;
            if (!SameColour(p.colour, key) || alphaUsed) {
                if (p.alpha == 0)
                    continue; // background stays; mask stays white
                if (p.alpha == 255)
                    Copy(d, p.colour);
                else
                    Mix(d, p.colour, p.alpha);
                if (m)
                    m[x] = 0;
            } else if (!keyHidden) {
                // The transparent colour is an ordinary colour while the
                // option is off, on paper as on screen.
                Copy(d, p.colour);
                if (m)
                    m[x] = 0;
            }
        }
    }
    return true;
}

bool BlendOntoDevice(CRasterImage& image, QPainter& painter, const QImage& canvas,
                     const QRect& imageRect, int opacity, const QRect& faceRect,
                     const QPoint& offset, bool printing) {
    BlendedSection blended;
    if (!ComposeSection(image, canvas, imageRect, opacity, faceRect, printing, blended))
        return false;
    const QPoint at = blended.visible.topLeft() + offset;
    if (!printing) {
        painter.drawImage(at, blended.section);
        return true;
    }
    // Only the pixels the mask keeps reach the paper.
    QRegion keep;
    const QImage& mask = blended.mask;
    for (int y = 0; y < mask.height(); ++y) {
        const uint8_t* m = mask.constScanLine(y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && m[x] != 0)
                ++x;
            const int start = x;
            while (x < mask.width() && m[x] == 0)
                ++x;
            if (x > start)
                keep += QRect(at.x() + start, at.y() + y, x - start, 1);
        }
    }
    painter.save();
    painter.setClipRegion(keep, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.drawImage(at, blended.section);
    painter.restore();
    return true;
}

bool BlendIntoBuffer(CRasterImage& image, uint8_t* buffer, int width, int height, int stride,
                     const QRect& imageRect, int opacity) {
    if (!CanDraw(image, imageRect) || !buffer)
        return false;
    const QRect visible = imageRect.intersected(QRect(0, 0, width, height));
    if (visible.isEmpty())
        return false;
    PixelMap map(image, imageRect.width(), imageRect.height());
    if (!map.Ready())
        return false;
    const RgbQuad key = image.KeyColour();
    const bool keyed = image.Info().backgroundIndex >= 0;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int r = y - imageRect.top() + 1;
        const int imageRow = map.ImageRow(r);
        uint8_t* d = buffer + size_t(y) * stride + size_t(visible.left()) * 3;
        for (int x = visible.left(); x <= visible.right(); ++x, d += 3) {
            PixelValue p = Fetch(map, x - imageRect.left(), r, imageRow);
            if (p.alpha == 255)
                p.alpha = opacity;
            if ((keyed && SameColour(p.colour, key)) || p.alpha == 0)
                continue;
            if (p.alpha == 255)
                Copy(d, p.colour);
            else
                Mix(d, p.colour, p.alpha);
        }
    }
    return true;
}

bool BlendIntoBuffer(CRasterImage& image, QImage& buffer, const QRect& imageRect, int opacity) {
    if (buffer.format() != QImage::Format_BGR888)
        return false;
    return BlendIntoBuffer(image, buffer.bits(), buffer.width(), buffer.height(),
                           int(buffer.bytesPerLine()), imageRect, opacity);
}

bool DrawsOpaque(const CRasterImage& image, int opacity) {
    const ImageInfo& info = image.Info();
    if (info.transparentColour != 0)
        return false;
    if (info.useAlphaChannel == 0)
        return true;
    return !image.HasAlpha() && opacity == 255 && info.maxOpacity == 255 &&
           (image.BitCount() == 24 || info.alphaInPalette == 0);
}

QImage PageImage(const CRasterImage& image, int opacity) {
    auto& img = const_cast<CRasterImage&>(image); // read only: no resampled copy at image size
    if (!CanDraw(img, QRect(0, 0, image.Width(), image.Height())))
        return {};
    if (DrawsOpaque(image, opacity)) {
        QImage out = image.ToQImage();
        return out.hasAlphaChannel() ? out.convertToFormat(QImage::Format_RGB32) : out;
    }
    const int w = image.Width(), h = image.Height();
    PixelMap map(img, w, h);
    if (!map.Ready())
        return {};
    const ImageInfo& info = image.Info();
    const RgbQuad key = image.KeyColour();
    const bool useAlpha = info.useAlphaChannel != 0;
    const bool alphaUsed = useAlpha && image.HasAlpha();
    const bool keyHidden = info.transparentColour != 0;
    QImage out(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const int r = y + 1;
        const int imageRow = map.ImageRow(r);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            PixelValue p = Fetch(map, x, r, imageRow);
            if (p.alpha == 255)
                p.alpha = opacity;
            if (!useAlpha)
                p.alpha = 255;
            int alpha = p.alpha;
            if (SameColour(p.colour, key) && !alphaUsed)
                alpha = keyHidden ? 0 : 255;
            line[x] = qRgba(p.colour.red, p.colour.green, p.colour.blue, alpha);
        }
    }
    return out;
}
