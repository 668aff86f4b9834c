#include "cddb_reply.h"

#include "platform/decimal.h"
#include "platform/legacy_text.h"

#include <QStringList>

namespace {

const QByteArray kTerminator = QByteArrayLiteral("\r\n.\r\n");
const QByteArray kBlankLine = QByteArrayLiteral("\r\n\r\n");

// Splits at "\n", dropping a "\r" before it; false when a line is too long.
bool SplitLines(QStringView text, std::vector<QStringView>& lines) {
    lines.clear();
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.size() > kMaxCddbLineLength)
            return false;
        if (!last || !line.isEmpty())
            lines.push_back(line);
        if (last)
            break;
        start = end + 1;
    }
    return true;
}

uint32_t LeadingHex(QStringView text) {
    uint32_t value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        if (digit < 0)
            break;
        value = value * 16 + uint32_t(digit);
    }
    return value;
}

// Puts `value` into entry `index` of `list` after resizing it to index + 1
// entries; indices outside 0..99 make the record invalid.
bool AppendIndexed(std::vector<QString>& list, int index, const QString& value) {
    if (index < 0 || index > 99)
        return false;
    list.resize(size_t(index) + 1);
    list[size_t(index)] += value;
    return true;
}

} // namespace

CddbReception CheckCddbReception(QByteArray& data, bool query, qsizetype& scanFrom) {
    if (query) {
        const qsizetype header = data.indexOf(kBlankLine);
        if (header >= 0 && data.size() >= header + 7) {
            const QByteArray code = data.mid(header + 4, 3);
            const int status = ParseDecimal(QString::fromLatin1(code));
            // A single-line reply ends with its status line; waiting for the
            // rest of the line keeps a reply that arrives in pieces whole.
            if ((status < 210 || status > 219) && data.indexOf('\n', header + 4) >= 0)
                return CddbReception::Complete;
        }
    }
    const qsizetype at = data.indexOf(kTerminator, qMax<qsizetype>(0, scanFrom));
    if (at >= 0) {
        data.truncate(at);
        return CddbReception::Complete;
    }
    scanFrom = qMax<qsizetype>(0, data.size() - (kTerminator.size() - 1));
    return CddbReception::NeedMore;
}

bool CddbReplyBody(const QByteArray& reply, QByteArray& body) {
    const qsizetype at = reply.indexOf(kBlankLine);
    if (at < 0)
        return false;
    body = reply.mid(at + kBlankLine.size());
    return true;
}

QString DecodeCddbText(const QByteArray& body) {
    return DecodeLegacyText(body);
}

int CddbStatusCode(QStringView body) {
    if (body.size() < 3)
        return -1;
    return ParseDecimal(body.left(3));
}

bool ParseCddbMatchLine(QStringView line, CCddbMatch& match) {
    const qsizetype blank = line.indexOf(u' ');
    if (blank <= 0)
        return false;
    CCddbMatch result;
    result.category = line.left(blank).toString();
    qsizetype i = blank;
    while (i < line.size() && line[i] == u' ')
        ++i;
    const qsizetype idStart = i;
    while (i < line.size() && line[i] != u' ')
        ++i;
    if (i >= line.size())
        return false;
    result.discId = LeadingHex(line.mid(idStart, i - idStart));
    while (i < line.size() && line[i] == u' ')
        ++i;
    QStringView rest = line.mid(i);
    if (const qsizetype end = rest.indexOf(u'\n'); end >= 0)
        rest = rest.left(end > 0 && rest[end - 1] == u'\r' ? end - 1 : end);
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        result.artist = rest.left(slash).trimmed().toString();
        result.title = rest.mid(slash + 1).trimmed().toString();
    } else {
        result.title = rest.toString();
    }
    match = result;
    return true;
}

bool ParseCddbQueryReply(const QString& body, std::vector<CCddbMatch>& matches, bool& consumed) {
    matches.clear();
    consumed = false;
    std::vector<QStringView> lines;
    if (!SplitLines(body, lines))
        return false;
    const int status = CddbStatusCode(body);
    if (status == 202)
        return true;
    if (status == 200 && body.size() > 5) {
        consumed = true;
        CCddbMatch match;
        if (!ParseCddbMatchLine(QStringView(body).mid(4), match))
            return false;
        matches.push_back(match);
        return true;
    }
    if (status >= 210 && status <= 219) {
        consumed = true;
        for (size_t i = 1; i < lines.size(); ++i) {
            CCddbMatch match;
            if (ParseCddbMatchLine(lines[i], match))
                matches.push_back(match);
        }
        return !matches.empty();
    }
    return false;
}

QString DecodeXmcdEscapes(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar next = value[i + 1];
            if (next == u'n' || next == u't' || next == u'\\') {
                out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : QChar(u'\\');
                ++i;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

bool ParseXmcdRecord(QStringView text, CCddbRecord& record) {
    std::vector<QStringView> lines;
    if (!SplitLines(text, lines))
        return false;
    CCddbRecord r;
    bool signature = false, offsetsOpen = false, discLength = false, submitted = false;
    bool discId = false, discTitle = false;
    QString titleText, playOrderText;
    for (QStringView line : lines) {
        if (line.startsWith(u'#')) {
            const QStringView raw = line.mid(1);
            const QStringView comment = raw.size() <= 1 ? QStringView() : raw.trimmed();
            if (comment.startsWith(u"xmcd")) {
                signature = true;
            } else if (comment.contains(u"Track frame offsets:")) {
                offsetsOpen = true;
            } else if (comment.startsWith(u"Disc length:")) {
                offsetsOpen = false;
                r.discLength = ParseDecimal(comment.mid(13));
                discLength = true;
            } else if (comment.startsWith(u"Revision:")) {
                r.revision = ParseDecimal(comment.mid(9));
            } else if (comment.startsWith(u"Submitted via:")) {
                const QStringList words =
                    comment.mid(14).toString().split(u' ', Qt::SkipEmptyParts);
                if (words.size() < 2)
                    return false;
                r.submitClient = words[0];
                r.submitVersion = words[1];
                r.submitComment = words.size() > 2 ? words[2] : QString();
                submitted = true;
            } else if (offsetsOpen && !comment.isEmpty()) {
                r.frameOffsets.push_back(ParseDecimal(comment));
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QStringView key = line.left(eq);
        const QString value = DecodeXmcdEscapes(line.mid(eq + 1));
        if (key == u"DISCID") {
            if (value.size() > 7) {
                r.discId = LeadingHex(value);
                discId = true;
            }
        } else if (key == u"DTITLE") {
            titleText += value;
            discTitle = true;
        } else if (key == u"DYEAR") {
            r.year = ParseDecimal(value);
        } else if (key == u"DGENRE") {
            r.genre += value;
        } else if (key.startsWith(u"TTITLE")) {
            if (!AppendIndexed(r.trackTitles, ParseDecimal(key.mid(6)), value))
                return false;
        } else if (key == u"EXTD") {
            r.extendedDiscData += value;
        } else if (key.startsWith(u"EXTT")) {
            if (!AppendIndexed(r.extendedTrackData, ParseDecimal(key.mid(4)), value))
                return false;
        } else if (key == u"PLAYORDER") {
            playOrderText += value;
        }
    }
    if (!signature || r.frameOffsets.empty() || !discLength || !submitted || !discId ||
        !discTitle || r.trackTitles.size() != r.extendedTrackData.size())
        return false;

    if (const qsizetype split = titleText.indexOf(u" / "); split >= 0) {
        r.artist = titleText.left(split);
        r.title = titleText.mid(split + 3);
    } else {
        r.artist = r.title = titleText;
    }
    qsizetype start = 0;
    for (qsizetype comma; (comma = playOrderText.indexOf(u',', start)) >= 0; start = comma + 1)
        r.playOrder.push_back(ParseDecimal(QStringView(playOrderText).mid(start, comma - start)));
    if (start < playOrderText.size())
        r.playOrder.push_back(ParseDecimal(QStringView(playOrderText).mid(start)));
    record = std::move(r);
    return true;
}

bool ParseCddbReadReply(const QString& body, CCddbRecord& record) {
    const int status = CddbStatusCode(body);
    if (status < 210 || status > 219)
        return false;
    const qsizetype lineEnd = body.indexOf(u'\n');
    if (lineEnd < 0)
        return false;
    if (lineEnd > kMaxCddbLineLength + 1)
        return false;
    return ParseXmcdRecord(QStringView(body).mid(lineEnd + 1), record);
}
