#include "picture_pixel_cache.h"

#include "imaging/raster_image.h"

#include <atomic>
#include <cstddef>
#include <list>
#include <mutex>

namespace PicturePixelCache {
namespace {

// Recently used pixels stay alive even when no picture holds them (a deleted
// picture brought back by undo), within these limits; older entries are
// remembered only while some picture still holds their pixels.
constexpr int kKeptAlive = 8;
constexpr size_t kKeptAliveBytes = size_t(512) << 20;
constexpr size_t kMaxEntries = 256;

struct Slot {
    QByteArray record;
    qsizetype prefixLength = 0;
    std::weak_ptr<CRasterImage> pixels;
    std::shared_ptr<CRasterImage> keptAlive;
};

std::mutex g_mutex;
std::list<Slot> g_slots; // most recently used first
std::atomic<int> g_decodes{0};

size_t PixelBytes(const CRasterImage& image) {
    return image.Dib().size() + (image.HasAlpha() ? size_t(image.Width()) * image.Height() : 0);
}

// Drops forgotten entries and the strong references beyond the limits.
void Trim() {
    int kept = 0;
    size_t bytes = 0;
    for (auto it = g_slots.begin(); it != g_slots.end();) {
        if (it->keptAlive) {
            const size_t size = PixelBytes(*it->keptAlive);
            if (kept < kKeptAlive && bytes + size <= kKeptAliveBytes) {
                ++kept;
                bytes += size;
            } else {
                it->keptAlive.reset();
            }
        }
        if (it->pixels.expired())
            it = g_slots.erase(it);
        else
            ++it;
    }
    while (g_slots.size() > kMaxEntries)
        g_slots.pop_back();
}

} // namespace

Entry Find(QByteArrayView bytes, qsizetype prefixLength) {
    std::lock_guard lock(g_mutex);
    for (auto it = g_slots.begin(); it != g_slots.end(); ++it) {
        if (it->prefixLength != prefixLength || it->record.size() > bytes.size())
            continue;
        if (bytes.first(it->record.size()) != QByteArrayView(it->record))
            continue;
        std::shared_ptr<CRasterImage> pixels = it->pixels.lock();
        if (!pixels)
            continue;
        it->keptAlive = pixels;
        g_slots.splice(g_slots.begin(), g_slots, it);
        Trim();
        return {g_slots.front().record, pixels};
    }
    return {};
}

void Remember(const QByteArray& record, qsizetype prefixLength,
              const std::shared_ptr<CRasterImage>& pixels) {
    if (record.isEmpty() || !pixels)
        return;
    std::lock_guard lock(g_mutex);
    for (auto it = g_slots.begin(); it != g_slots.end(); ++it) {
        if (it->prefixLength == prefixLength &&
            (it->record.constData() == record.constData() || it->record == record)) {
            it->pixels = pixels;
            it->keptAlive = pixels;
            g_slots.splice(g_slots.begin(), g_slots, it);
            Trim();
            return;
        }
    }
    g_slots.push_front(Slot{record, prefixLength, pixels, pixels});
    Trim();
}

void MakePrivate(std::shared_ptr<CRasterImage>& owner) {
    if (!owner)
        return;
    {
        std::lock_guard lock(g_mutex);
        for (auto it = g_slots.begin(); it != g_slots.end();) {
            // An entry that keeps the pixels alive keeps them for undo: the
            // owner gets a copy below. A weak one would find them changed
            // under the record it names, so it goes.
            if (!it->keptAlive && it->pixels.lock() == owner)
                it = g_slots.erase(it);
            else
                ++it;
        }
    }
    // Only Find hands out further references, and it can no longer reach
    // them, so the count can only fall from here.
    if (owner.use_count() > 1)
        owner = std::make_shared<CRasterImage>(*owner);
}

void Clear() {
    std::lock_guard lock(g_mutex);
    g_slots.clear();
}

int DecodeCount() {
    return g_decodes.load();
}

void CountDecode() {
    ++g_decodes;
}

} // namespace PicturePixelCache
