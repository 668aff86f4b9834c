#include "picture_loading.h"

#include "image.h"

std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom) {
    auto picture = std::make_unique<CImage>(left, top, right, bottom);
    if (!picture->LoadFile(path))
        return nullptr;
    return picture;
}
