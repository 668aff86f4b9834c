#include "imaging/gallery_thumbnail.h"

#include "imaging/exif_orientation.h"
#include "imaging/exif_thumbnail.h"
#include "imaging/image_codec.h"
#include "imaging/jpeg_frame.h"
#include "imaging/raster_image.h"
#include "metafile/emf_player.h"
#include "metafile/emf_recorder.h"
#include "metafile/metafile.h"
#include "platform/file_reading.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
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

// An SVG drawing as it is placed: recorded into an enhanced metafile, then
// played into the fitted size on white.
QImage SvgThumbnail(const QString& path, QSize box) {
    constexpr qint64 kSvgFileLimit = 64 * 1024 * 1024;
    QByteArray svg, emf;
    QString error;
    if (!ReadFileBounded(path, kSvgFileLimit, &svg, &error) ||
        !RecordSvgAsMetafile(svg, &emf, &error))
        return {};
    // The frame is in hundredths of a millimetre; pixels at 96 per inch.
    const EmfHeader header = ParseEmfHeader(emf);
    const QSize natural(
        int(std::clamp<int64_t>((header.frame.Width() + 1) * 96 / 2540, 1, 65535)),
        int(std::clamp<int64_t>((header.frame.Height() + 1) * 96 / 2540, 1, 65535)));
    const QSize fit = FitThumbnailSize(natural, box);
    QImage out(box, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (fit.isEmpty())
        return out;
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    PlayEnhMetaFile(painter, emf,
                    QRectF(box.width() / 2 - fit.width() / 2, box.height() / 2 - fit.height() / 2,
                           fit.width(), fit.height()));
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
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QImage svg = SvgThumbnail(path, box);
        if (!svg.isNull())
            t_lastSource = ThumbnailSource::kDecode;
        return svg;
    }
    const int format = ImageFormatFromExtension(path);
    if (format < 0)
        return {};
    QSize original; // as stored
    // A photo shows the way up its EXIF orientation says, as when it is placed.
    int orientation = 1;
    const auto upright = [&orientation](QSize size) {
        return OrientationTurnsSides(orientation) ? size.transposed() : size;
    };
    if (format == kFormatJpeg) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray head = file.read(kExifHeadSize);
        orientation = JpegOrientation(head);
        if (const auto frame = ReadJpegFrame(head)) {
            original = QSize(frame->width, frame->height);
            const QSize fit = FitThumbnailSize(original, box);
            const QByteArray exif = ExifThumbnail(head);
            CRasterImage small;
            if (!exif.isEmpty() && !fit.isEmpty() && small.DecodeFrom(Bytes(exif), kFormatJpeg) &&
                small.Width() >= fit.width() && small.Height() >= fit.height() &&
                SameShape(QSize(small.Width(), small.Height()), original)) {
                t_lastSource = ThumbnailSource::kExif;
                return Compose(OrientedImage(small.ToQImage(), orientation),
                               FitThumbnailSize(upright(original), box), box);
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
    return Compose(OrientedImage(image.ToQImage(), orientation),
                   FitThumbnailSize(upright(original), box), box);
}
