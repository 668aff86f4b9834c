#include "picture_page_drawing.h"

#include "imaging/blend.h"
#include "imaging/raster_image.h"
#include "platform/device_context.h"

namespace {

// Whether the JPEG's frame is one a PDF viewer decodes as it is: 8-bit, one
// (grey) or three (colour) components.
bool PassableJpeg(QByteArrayView file) {
    const auto* b = reinterpret_cast<const uint8_t*>(file.data());
    const qsizetype n = file.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return false;
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (b[i] != 0xFF)
            return false;
        const uint8_t marker = b[i + 1];
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        const int length = (b[i + 2] << 8) | b[i + 3];
        const bool frame = (marker >= 0xC0 && marker <= 0xC3) ||
                           (marker >= 0xC5 && marker <= 0xC7) ||
                           (marker >= 0xC9 && marker <= 0xCB) || (marker >= 0xCD && marker <= 0xCF);
        if (frame) {
            if (i + 10 > n)
                return false;
            const int precision = b[i + 4];
            const int components = b[i + 9];
            // Baseline or progressive Huffman only; arithmetic and lossless
            // coding are not for PDF readers.
            const bool huffman = marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
            return huffman && precision == 8 && (components == 1 || components == 3);
        }
        if (length < 2)
            return false;
        i += 2 + length;
    }
    return false;
}

} // namespace

void DrawPictureOnPage(CDeviceContext& dc, const CRasterImage& image, QByteArrayView jpegFile,
                       const QRect& target, int opacity) {
    PageImageStore* store = dc.Context().pageImages;
    const QPair<const void*, int> key(&image, opacity);
    QImage drawn;
    if (store != nullptr && store->images.contains(key)) {
        drawn = store->images.value(key);
    } else {
        if (store != nullptr && store->keepJpegFiles && !jpegFile.isEmpty() &&
            DrawsOpaque(image, opacity) && image.Info().enabled != 0 && PassableJpeg(jpegFile)) {
            drawn = QImage(1, kJpegPlaceholderHeight + int(store->jpegFiles.size()),
                           QImage::Format_RGB32);
            drawn.fill(QColor(0x12, 0x34, 0x56));
            store->jpegFiles.append(jpegFile.toByteArray());
        } else {
            drawn = PageImage(image, opacity);
        }
        if (store != nullptr)
            store->images.insert(key, drawn);
    }
    if (drawn.isNull())
        return;
    QPainter& painter = dc.Painter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(target), drawn);
    painter.restore();
}
