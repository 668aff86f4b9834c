#include "tracks/playlist.h"

#include <cstddef>
#include <cstdint>

// Any bytes as a PLS and as an M3U playlist, in a local and a Windows folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& folder : {QStringLiteral("/lists/"), QStringLiteral("C:\\lists\\")}) {
        ParsePlsPlaylist(text, folder);
        ParseM3uPlaylist(text, folder);
    }
    return 0;
}
