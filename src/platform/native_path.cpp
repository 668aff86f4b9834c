#include "native_path.h"

#include <cstdint>

namespace {

constexpr char16_t kKeptByteBase = 0xDC00; // U+DC80..U+DCFF hold the bytes 0x80..0xFF

bool IsKeptByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at `p` (at most `left` bytes) and its
// code point, or 0 when the bytes there are not valid UTF-8 (overlong forms,
// surrogates and values past U+10FFFF are not).
int DecodeUtf8(const uint8_t* p, size_t left, char32_t* codePoint) {
    const uint8_t lead = p[0];
    int length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (size_t(length) > left)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

void AppendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

QString PathFromNative(QByteArrayView bytes) {
    QString path;
    path.reserve(bytes.size());
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = size_t(bytes.size());
    for (size_t i = 0; i < size;) {
        char32_t c = 0;
        const int length = DecodeUtf8(p + i, size - i, &c);
        if (length == 0) {
            path += QChar(char16_t(kKeptByteBase + p[i]));
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            path += QChar(QChar::highSurrogate(c));
            path += QChar(QChar::lowSurrogate(c));
        } else {
            path += QChar(char16_t(c));
        }
        i += size_t(length);
    }
    return path;
}

QByteArray NativePath(const QString& path) {
    QByteArray out;
    out.reserve(path.size());
    const qsizetype n = path.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = path[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < n &&
            QChar::isLowSurrogate(path[i + 1].unicode())) {
            AppendUtf8(out, QChar::surrogateToUcs4(unit, path[i + 1].unicode()));
            ++i;
        } else if (IsKeptByte(unit)) {
            out += char(unit - kKeptByteBase);
        } else if (QChar::isSurrogate(unit)) {
            out += '?'; // a lone surrogate that stands for no byte has no UTF-8 form
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

QString DisplayPath(const QString& path) {
    QString shown;
    shown.reserve(path.size());
    for (const QChar ch : path) {
        const char16_t unit = ch.unicode();
        if (IsKeptByte(unit))
            shown += QStringLiteral("\\x%1").arg(unsigned(unit - kKeptByteBase), 2, 16,
                                                 QLatin1Char('0'));
        else if (unit < 0x20 || unit == 0x7F)
            shown += QStringLiteral("\\x%1").arg(unsigned(unit), 2, 16, QLatin1Char('0'));
        else
            shown += ch;
    }
    return shown;
}
