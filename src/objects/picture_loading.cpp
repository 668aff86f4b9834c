#include "picture_loading.h"

#include "image.h"
#include "vector_image.h"

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
    return picture;
}
