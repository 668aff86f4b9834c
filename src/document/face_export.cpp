#include "face_export.h"

#include "discwright_doc.h"
#include "face.h"
#include "face_renderer.h"
#include "imaging/raster_image.h"
#include "platform/atomic_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Pixels of the framed image at zoom 1.0 on a 96-dpi screen.
constexpr int kBorder = 5;
constexpr int kLeftFold = 20;  // from the image's left edge
constexpr int kRightFold = 10; // from the face's right edge, as pixels of the image

int Scaled(int pixels, double scale) {
    return std::max(1, int(std::lround(pixels * scale)));
}

} // namespace

QString FaceImageSuffix(int faceId) {
    switch (faceId) {
    case kDiscFace:
        return QStringLiteral("__DISK");
    case kFrontFace:
        return QStringLiteral("__FRONT");
    case kInsideFace:
        return QStringLiteral("__INSIDE");
    default:
        return QStringLiteral("__BACK");
    }
}

QString FaceImagePath(const QString& folder, const QString& imageName, int faceId,
                      FaceImageFormat format) {
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + imageName + FaceImageSuffix(faceId) +
           (format == FaceImageFormat::kPng ? QStringLiteral(".png") : QStringLiteral(".jpg"));
}

QImage RenderFramedFace(CDiscwrightDoc& doc, int faceId, double scale, bool withBackground,
                        bool transparentDisc) {
    Face& face = doc.GetFace(faceId);
    const float zoom = float(scale);
    const RenderContext context = MakeRenderContext(doc, zoom);
    const QSize size = FaceSizePixels(face, zoom, context.canvas);
    if (size.isEmpty())
        return {};
    // FaceSizePixels clamps to the canvas limit; a clamped face would be cut.
    const int fullWidth = context.canvas.UnitsToPixels(Zoomed(face.Width(), zoom));
    const int fullHeight = context.canvas.UnitsToPixels(Zoomed(face.Height(), zoom));
    if (fullWidth > kMaxFacePixels || fullHeight > kMaxFacePixels)
        return {};

    QImage canvas;
    RefreshFaceCanvas(canvas, face, context, withBackground);

    const bool disc = faceId == kDiscFace;
    const int border = Scaled(kBorder, scale);
    const int w = size.width(), h = size.height();
    QImage image(w + 2 * border, h + 2 * border,
                 transparentDisc && disc ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (disc)
        image.fill(transparentDisc ? QColor(Qt::transparent) : QColor(192, 192, 192));
    else
        image.fill(Qt::white);
    {
        CDeviceContext dc(image, &context);
        CDeviceContext canvasDc(canvas, &context);
        const QPoint origin(border, border);
        SetFaceClip(origin, dc, face, OutlineOfFace(doc, faceId));
        dc.BitBlt(origin, size, canvasDc, {0, 0});
        dc.SelectClipRegion(nullptr);
    }
    if (!disc) {
        // Frame and folds are whole-pixel lines of `line` pixels, inside the face.
        const int line = Scaled(1, scale);
        QPainter painter(&image);
        const QColor black(Qt::black);
        painter.fillRect(border, border, w, line, black);
        painter.fillRect(border, border + h - line, w, line, black);
        painter.fillRect(border, border, line, h, black);
        painter.fillRect(border + w - line, border, line, h, black);
        if (faceId == kBackFace) {
            painter.fillRect(Scaled(kLeftFold, scale), border, line, h, black);
            painter.fillRect(w - Scaled(kRightFold, scale), border, line, h, black);
        }
    }
    return image;
}

QImage FaceExportImage(CDiscwrightDoc& doc, int faceId, const FaceExportOptions& options) {
    const int dpi = std::clamp(options.dpi, kMinExportDpi, kMaxExportDpi);
    const double scale = dpi / 96.0;
    const bool png = options.format == FaceImageFormat::kPng;
    const QImage framed = RenderFramedFace(doc, faceId, scale, true, png);
    if (framed.isNull())
        return {};
    // The framed picture, border included, squeezed into the face's own size.
    const int border = Scaled(kBorder, scale);
    const QSize size(framed.width() - 2 * border, framed.height() - 2 * border);
    QImage out(size, png ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    out.fill(png && faceId == kDiscFace ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), framed);
    painter.end();
    return out;
}

bool ExportFaceImage(CDiscwrightDoc& doc, int faceId, const QString& path,
                     const FaceExportOptions& options, QString* error) {
    QString ignored;
    QString& message = error ? *error : ignored;
    const QImage image = FaceExportImage(doc, faceId, options);
    if (image.isNull()) {
        message = QCoreApplication::translate("FaceExport",
                                              "the %1 face has no size, or is too large at %2 dpi")
                      .arg(FaceName(faceId))
                      .arg(options.dpi);
        return false;
    }
    // The chosen resolution goes into the file (PNG pHYs, JFIF density), so
    // a print shop reads the face at its real size.
    const int dpi = std::clamp(options.dpi, kMinExportDpi, kMaxExportDpi);
    if (options.format == FaceImageFormat::kPng) {
        QImage stamped = image;
        const int perMetre = int(std::lround(dpi / 0.0254));
        stamped.setDotsPerMeterX(perMetre);
        stamped.setDotsPerMeterY(perMetre);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !stamped.save(&buffer, "PNG")) {
            message = QCoreApplication::translate("FaceExport", "the %1 face cannot be encoded")
                          .arg(FaceName(faceId));
            return false;
        }
        return WriteFileAtomically(path, bytes, &message);
    }
    CRasterImage raster;
    if (!raster.LoadFromQImage(image)) {
        message = QCoreApplication::translate("FaceExport", "the %1 face cannot be encoded")
                      .arg(FaceName(faceId));
        return false;
    }
    raster.Info().jpegQuality = 100;
    raster.SetDpi(dpi, dpi);
    std::vector<uint8_t> bytes;
    if (!raster.EncodeTo(bytes, kFormatJpeg)) {
        message = QCoreApplication::translate("FaceExport", "the %1 face cannot be encoded")
                      .arg(FaceName(faceId));
        return false;
    }
    return WriteFileAtomically(
        path, QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
        &message);
}
