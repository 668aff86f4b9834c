#include "picture_loading.h"

#include "image.h"

#include <atomic>

namespace {

std::atomic<VectorPictureLoader> g_vectorLoader{nullptr};

} // namespace

void SetVectorPictureLoader(VectorPictureLoader loader) {
    g_vectorLoader = loader;
}

std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom) {
    if (const VectorPictureLoader vector = g_vectorLoader.load())
        if (std::unique_ptr<CBaseObject> picture = vector(path, left, top, right, bottom))
            return picture;
    auto picture = std::make_unique<CImage>(left, top, right, bottom);
    if (!picture->LoadFile(path))
        return nullptr;
    return picture;
}
