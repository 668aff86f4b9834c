#include "imaging/gallery_thumbnail.h"

#include "imaging/exif_thumbnail.h"
#include "imaging/image_codec.h"
#include "imaging/jpeg_frame.h"
#include "imaging/raster_image.h"

#include <QFile>
#include <QPainter>

#include <cstdint>
#include <span>

namespace {

thread_local ThumbnailSource t_lastSource = ThumbnailSource::kNone;

std::span<const uint8_t> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())};
}

// Whether an EXIF thumbnail shows the whole photo undistorted: cameras pad a
// 3:2 photo into a 4:3 thumbnail with black bands, which would show.
bool SameShape(QSize a, QSize b) {
    const int64_t lhs = int64_t(a.width()) * b.height();
    const int64_t rhs = int64_t(b.width()) * a.height();
    return std::abs(lhs - rhs) * 50 <= std::max(lhs, rhs); // within 2 %
}

QImage Compose(const QImage& picture, QSize fit, QSize box) {
    QImage out(box, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (fit.isEmpty())
        return out;
    // Opaque: a transparent picture's hidden colours show, as when it is drawn
    // without its alpha channel.
    QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    if (opaque.size() != fit)
        opaque = opaque.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&out);
    painter.drawImage(
        QPoint(box.width() / 2 - fit.width() / 2, box.height() / 2 - fit.height() / 2), opaque);
    return out;
}

} // namespace

QSize FitThumbnailSize(QSize picture, QSize box) {
    int64_t w = picture.width(), h = picture.height();
    const int64_t bw = box.width(), bh = box.height();
    if (w <= 0 || h <= 0 || bw <= 0 || bh <= 0)
        return {};
    if (w > h && w > bw) {
        h = h * bh / w;
        w = bw;
    } else if (h >= w && h > bh) {
        w = w * bw / h;
        h = bh;
    }
    // A sliver of a picture still shows as one pixel.
    return QSize(int(std::max<int64_t>(w, 1)), int(std::max<int64_t>(h, 1)));
}

ThumbnailSource LastThumbnailSource() {
    return t_lastSource;
}

QImage MakeGalleryThumbnail(const QString& path, QSize box) {
    t_lastSource = ThumbnailSource::kNone;
    if (box.isEmpty())
        return {};
    const int format = ImageFormatFromExtension(path);
    if (format < 0)
        return {};
    QSize original;
    if (format == kFormatJpeg) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray head = file.read(kExifHeadSize);
        if (const auto frame = ReadJpegFrame(head)) {
            original = QSize(frame->width, frame->height);
            const QSize fit = FitThumbnailSize(original, box);
            const QByteArray exif = ExifThumbnail(head);
            CRasterImage small;
            if (!exif.isEmpty() && !fit.isEmpty() && small.DecodeFrom(Bytes(exif), kFormatJpeg) &&
                small.Width() >= fit.width() && small.Height() >= fit.height() &&
                SameShape(QSize(small.Width(), small.Height()), original)) {
                t_lastSource = ThumbnailSource::kExif;
                return Compose(small.ToQImage(), fit, box);
            }
        }
    }
    CRasterImage image;
    // Only JPEG decodes smaller; the fitted size is all a thumbnail shows.
    const QSize fit = FitThumbnailSize(original.isValid() ? original : box, box);
    image.SetDecodeHint(fit.width(), fit.height());
    if (!image.DecodeFromFile(path, format) || image.Width() <= 0 || image.Height() <= 0)
        return {};
    if (!original.isValid())
        original = QSize(image.Width(), image.Height());
    t_lastSource = ThumbnailSource::kDecode;
    return Compose(image.ToQImage(), FitThumbnailSize(original, box), box);
}
