#include "legacy_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace {

// Code points of 0x80..0x9F in Windows-1252; the five unassigned bytes map to
// the C1 controls of the same value, as Windows' MultiByteToWideChar does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

std::optional<QByteArray> EncodeWindows1252(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *dst++ = char(c);
            continue;
        }
        // The 0x80..0x9F block: search the table, which also holds the five C1
        // controls that stand for themselves.
        const auto* it = std::find(std::begin(kCp1252High), std::end(kCp1252High), c);
        if (it == std::end(kCp1252High))
            return std::nullopt;
        *dst++ = char(0x80 + (it - std::begin(kCp1252High)));
    }
    return out;
}

QString DecodeLegacyText(QByteArrayView bytes) {
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}
