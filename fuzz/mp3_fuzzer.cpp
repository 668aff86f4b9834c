#include "tracks/mp3_info.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a music file: frame scan, ID3 tags and the row.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CMp3Info info;
    info.path = QStringLiteral("/music/fuzz.mp3");
    ParseMp3Bytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), info);
    Mp3TrackRow(info);
    return 0;
}
