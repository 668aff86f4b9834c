#include "tracks/cddb_reply.h"

#include <cstddef>
#include <cstdint>

// A CDDB server's reply to a query, as received: reception, body and matches.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype scanFrom = 0;
    CheckCddbReception(reply, true, scanFrom);
    QByteArray body;
    if (!CddbReplyBody(reply, body))
        body = reply;
    std::vector<CCddbMatch> matches;
    bool consumed = false;
    ParseCddbQueryReply(DecodeCddbText(body), matches, consumed);
    return 0;
}
