#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <memory>

class CRasterImage;

// Decoded pictures shared by every picture object whose record holds the same
// bytes. Undo snapshots and saved files keep only the records; when a record
// is read again (undo, redo, reopening) its pixels come from here instead of
// a second decode, as long as some picture still holds them or they were
// used recently. Pixels found here are shared: whoever changes them must
// copy them first. Safe to use from several threads.
namespace PicturePixelCache {

struct Entry {
    QByteArray record; // the whole picture record the pixels were made from
    std::shared_ptr<CRasterImage> pixels;
};

// The entry whose record is at the start of `bytes` and whose first
// `prefixLength` bytes (everything before the alpha channel) match, or an
// entry with null pixels.
Entry Find(QByteArrayView bytes, qsizetype prefixLength);

// Remembers that `record` decodes to `pixels`; `prefixLength` as for Find.
void Remember(const QByteArray& record, qsizetype prefixLength,
              const std::shared_ptr<CRasterImage>& pixels);

// Makes the pixels `owner` holds its own before it changes them in place: an
// entry that only remembers them is forgotten, and when anyone else still
// holds them (an entry keeping them alive for undo, another picture, a
// running effect) `owner` gets a copy instead. Nothing can then find pixels
// that are being changed.
void MakePrivate(std::shared_ptr<CRasterImage>& owner);

// Forgets everything (tests, and to give memory back).
void Clear();

// How many pictures were decoded from records since the start (tests).
int DecodeCount();
void CountDecode();

} // namespace PicturePixelCache
