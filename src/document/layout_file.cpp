#include "layout_file.h"

#include "discwright_doc.h"
#include "face.h"
#include "face_export.h"
#include "imaging/raster_image.h"
#include "platform/app_places.h"
#include "platform/atomic_file.h"
#include "platform/file_reading.h"
#include "project_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kThumbnailSide = 120;

bool UserLayoutExists(int faceId, const QString& name) {
    return QFileInfo::exists(LayoutFilePath(faceId, name)) ||
           QFileInfo::exists(LayoutThumbnailPath(faceId, name));
}

} // namespace

QString LayoutSubfolder(int faceId) {
    static const char* const kFolders[] = {"disk", "front", "inside", "back"};
    const int index = std::clamp(faceId, 0, kFaceCount - 1);
    return QStringLiteral("layouts/") + QLatin1String(kFolders[index]);
}

QString LayoutFolder(int faceId) {
    return CurrentPlaces().UserDataPath(LayoutSubfolder(faceId));
}

QStringList LayoutFolders(int faceId) {
    return CurrentPlaces().DataSubfolders(LayoutSubfolder(faceId));
}

QString LayoutFilePath(int faceId, const QString& name) {
    return LayoutFolder(faceId) + QLatin1Char('/') + name + QStringLiteral(".lay");
}

QString LayoutThumbnailPath(int faceId, const QString& name) {
    return LayoutFolder(faceId) + QLatin1Char('/') + name + QStringLiteral(".jpg");
}

bool WriteLayoutFile(const Face& face, const QString& path, QString* error) {
    return WriteFileAtomically(path, LayoutBytes(face.Objects()), error);
}

bool ReadLayoutFile(const QString& path, ObjectList& objects, QString* error) {
    objects.clear();
    // A FIFO or a device is refused, and a file larger than a project can
    // be is not read at all.
    QByteArray bytes;
    if (!ReadFileBounded(path, kProjectFileLimit, &bytes, error))
        return false;
    QString why;
    if (!ReadLayoutBytes(bytes, objects, &why)) {
        objects.clear();
        *error = QStringLiteral("%1: not a layout file (%2)").arg(path, why);
        return false;
    }
    return true;
}

QRect LayoutThumbnailPlacement(QSize size) {
    int w = size.width(), h = size.height();
    if (w > h && w > kThumbnailSide) {
        h = h * kThumbnailSide / w;
        w = kThumbnailSide;
    } else if (w <= h && h > kThumbnailSide) {
        w = w * kThumbnailSide / h;
        h = kThumbnailSide;
    }
    return {kThumbnailSide / 2 - w / 2, kThumbnailSide / 2 - h / 2, w, h};
}

QImage LayoutThumbnailImage(CDiscwrightDoc& doc, int faceId) {
    QImage thumbnail(kThumbnailSide, kThumbnailSide, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const QImage framed = RenderFramedFace(doc, faceId, 1.0, false);
    if (framed.isNull())
        return thumbnail;
    // The fit uses the face's size; the whole framed picture, margins
    // included, is squeezed into it.
    const QSize face(framed.width() - 10, framed.height() - 10);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(LayoutThumbnailPlacement(face), framed);
    return thumbnail;
}

bool IsLayoutName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.startsWith(QLatin1Char('.')) && !name.contains(QChar(0));
}

bool IsShippedLayout(int faceId, const QString& name) {
    // Installed, the user's folder is apart from the shipped ones and a
    // user's layout of the same name only hides the shipped one in the list.
    if (!CurrentPlaces().portable)
        return false;
    const QString relative = LayoutSubfolder(faceId) + QLatin1Char('/') + name;
    return ShippedLayoutNames().contains(relative.mid(QStringLiteral("layouts/").size()));
}

QString FreeLayoutName(int faceId, const QString& name) {
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 %2").arg(name).arg(n);
        if (!IsShippedLayout(faceId, candidate) && !UserLayoutExists(faceId, candidate))
            return candidate;
    }
}

std::vector<LayoutExportTarget> PlanLayoutExport(const CDiscwrightDoc& doc, const QString& name,
                                                 std::span<const int> faceIds) {
    std::vector<LayoutExportTarget> plan;
    for (int faceId : faceIds) {
        LayoutExportTarget target;
        target.faceId = faceId;
        target.name = name;
        target.empty = doc.GetFace(faceId).Objects().empty();
        if (IsShippedLayout(faceId, name)) {
            target.name = FreeLayoutName(faceId, name);
            target.renamed = true;
        } else {
            target.replaces = UserLayoutExists(faceId, name);
        }
        plan.push_back(std::move(target));
    }
    return plan;
}

bool ExportLayout(CDiscwrightDoc& doc, int faceId, const QString& name, QString* error) {
    const QString path = LayoutFilePath(faceId, name);
    QString why;
    if (!IsLayoutName(name))
        why = QStringLiteral("\"%1\" is no file name").arg(name);
    else if (!QDir().mkpath(LayoutFolder(faceId)))
        why = QStringLiteral("%1: the folder cannot be created").arg(LayoutFolder(faceId));
    else if (WriteLayoutFile(doc.GetFace(faceId), path, &why))
        return true;
    *error = QCoreApplication::translate("LayoutFile", "Export layout file error!\n%1").arg(why);
    return false;
}

bool ExportLayoutThumbnail(CDiscwrightDoc& doc, int faceId, const QString& name) {
    if (!IsLayoutName(name) || !QDir().mkpath(LayoutFolder(faceId)))
        return false;
    CRasterImage raster;
    if (!raster.LoadFromQImage(LayoutThumbnailImage(doc, faceId)))
        return false;
    raster.Info().jpegQuality = 100;
    return raster.SaveToFile(LayoutThumbnailPath(faceId, name), kFormatJpeg);
}
