#include "picture_page_drawing.h"

#include "imaging/blend.h"
#include "imaging/jpeg_frame.h"
#include "imaging/raster_image.h"
#include "platform/device_context.h"

namespace {

// Whether the JPEG's frame is one a PDF viewer decodes as it is: baseline or
// progressive Huffman coding (arithmetic and lossless coding are not for PDF
// readers), 8-bit, one (grey) or three (colour) components.
bool PassableJpeg(QByteArrayView file) {
    const std::optional<JpegFrame> frame = ReadJpegFrame(file);
    return frame && frame->marker >= 0xC0 && frame->marker <= 0xC2 && frame->precision == 8 &&
           (frame->components == 1 || frame->components == 3);
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
