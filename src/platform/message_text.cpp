#include "message_text.h"

QString QuotedForMessage(QStringView text, qsizetype maxLength) {
    const QChar kEllipsis(0x2026);
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == QChar(0)))
        text.chop(1);
    QString shown;
    shown.reserve(qMin(text.size(), maxLength));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t unit = ch.unicode();
        QString piece;
        if (unit == u'\r' || unit == u'\n' || unit == u'\t') {
            // A run of line breaks (an empty line, CR LF) shows as one space.
            if (shown.endsWith(u' '))
                continue;
            piece = QStringLiteral(" ");
        } else if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0)) {
            piece = QStringLiteral("\\x%1").arg(unsigned(unit), 2, 16, QLatin1Char('0'));
        } else if (ch.category() == QChar::Other_Format || unit == 0x2028 || unit == 0x2029) {
            piece = QStringLiteral("\\u%1").arg(unsigned(unit), 4, 16, QLatin1Char('0'));
        } else if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            piece = text.mid(i, 2).toString();
            ++i;
        } else {
            piece = ch;
        }
        // Room for the ellipsis stays as long as more text follows.
        const bool last = i + 1 >= text.size();
        if (shown.size() + piece.size() > maxLength - (last ? 0 : 1)) {
            shown += kEllipsis;
            return shown;
        }
        shown += piece;
    }
    return shown;
}
