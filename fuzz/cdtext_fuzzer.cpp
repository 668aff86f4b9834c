#include "platform/cd_text.h"
#include "tracks/cdtext_lookup.h"

#include <cstddef>
#include <cstdint>

// The first byte is the disc's track count, the rest the raw CD-TEXT packs a
// drive hands out: libcdio's pack reader, then the rows made of its texts.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int trackCount = data[0] % 100;
    CdText text;
    if (!ParseCdTextPacks(
            QByteArrayView(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)),
            trackCount, text))
        return 0;
    DiscToc toc;
    for (int track = 0; track <= trackCount; ++track)
        toc.push_back(MsfTime::FromFrames(150 + track * 4500));
    AlbumFromCdText(text, toc);
    return 0;
}
