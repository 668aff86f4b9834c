#include "picture_loading.h"

#include "image.h"
#include "vector_image.h"

#include <algorithm>
#include <cstdint>

std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom, QString* error) {
    // Every file is offered to a vector picture first; only a file that is
    // not a metafile at all goes on to the raster reader.
    auto vector = std::make_unique<CVectorImage>(left, top, right, bottom);
    QString why;
    if (vector->LoadMetafile(path, {}, &why))
        return vector;
    auto picture = std::make_unique<CImage>(left, top, right, bottom);
    if (!picture->LoadFile(path)) {
        // The metafile reader's reason is the one worth showing when the
        // file was meant to be a metafile.
        if (error && (path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive) ||
                      path.endsWith(QLatin1String(".emf"), Qt::CaseInsensitive) ||
                      path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)))
            *error = why;
        return nullptr;
    }
    picture->ResolveNaturalSize();
    return picture;
}

void FitPicture(CBaseObject& picture, int maxWidth, int maxDepth) {
    const int width = picture.Width();
    const int depth = -picture.Height();
    if (width <= 0 || depth <= 0 || maxWidth <= 0 || maxDepth <= 0)
        return;
    if (width <= maxWidth && depth <= maxDepth)
        return;
    // The larger of the two reductions, each side rounded down so that it fits.
    int newWidth = maxWidth;
    int newDepth = int(int64_t(depth) * maxWidth / width);
    if (newDepth > maxDepth) {
        newDepth = maxDepth;
        newWidth = int(int64_t(width) * maxDepth / depth);
    }
    picture.SetWidth(std::max(newWidth, 2));
    picture.SetHeight(-std::max(newDepth, 2));
}

void PlaceNewPicture(CBaseObject& picture, QPoint at, int faceWidth, int faceHeight) {
    picture.SetX(at.x());
    picture.SetY(at.y());
    const int width = picture.Width();
    const int depth = -picture.Height();
    if (width <= 0 || depth <= 0 || (width <= faceWidth && depth <= faceHeight))
        return;
    FitPicture(picture, faceWidth, faceHeight);
    const int newWidth = picture.Width();
    const int newDepth = -picture.Height();
    // Centred on the point, then moved inside the face (y runs 0 .. -height).
    picture.SetX(std::clamp(at.x() - newWidth / 2, 0, std::max(0, faceWidth - newWidth)));
    picture.SetY(std::clamp(at.y() + newDepth / 2, std::min(0, newDepth - faceHeight), 0));
}

void ClampToFace(CBaseObject& picture, int faceWidth, int faceHeight) {
    picture.SetWidth(std::min(picture.Width(), faceWidth));
    picture.SetHeight(std::max(picture.Height(), -faceHeight));
    if (picture.Width() == faceWidth && picture.Height() == -faceHeight) {
        picture.SetX(0);
        picture.SetY(0);
    }
}

void KeepNewPictureInFace(CBaseObject& picture, int faceWidth, int faceHeight) {
    const int width = picture.Width();
    const int depth = -picture.Height();
    if (width <= 0 || depth <= 0 || faceWidth <= 0 || faceHeight <= 0 ||
        (width <= faceWidth && depth <= faceHeight))
        return;
    FitPicture(picture, faceWidth, faceHeight);
    const int newWidth = picture.Width();
    const int newDepth = -picture.Height();
    // y runs 0 .. -height on a face.
    picture.SetX(std::clamp(picture.X(), 0, std::max(0, faceWidth - newWidth)));
    picture.SetY(std::clamp(picture.Y(), std::min(0, newDepth - faceHeight), 0));
}
