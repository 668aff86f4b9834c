#include "tracks/cddb_lookup.h"
#include "tracks/cddb_reply.h"

#include <cstddef>
#include <cstdint>

// A CDDB server's reply to a read: the xmcd record and the rows made from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString body =
        DecodeCddbText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    CCddbRecord record;
    if (ParseCddbReadReply(body, record) || ParseXmcdRecord(body, record)) {
        const DiscToc toc = {{0, 2, 0}, {3, 10, 0}, {6, 40, 0}, {10, 0, 0}};
        AlbumFromCddbRecord(record, toc);
    }
    return 0;
}
