#include "placeholders.h"

#include "track_list.h"

#include <array>

namespace {

enum class KeyKind { Track, Album };

struct Key {
    QStringView name;
    KeyKind kind;
    // The field a key stands for.
    const QString& (*field)(const AlbumData&, const TrackEntry*);
};

// The order matters: matching is by prefix.
const std::array<Key, 6> kKeys = {{
    {u"title", KeyKind::Track,
     [](const AlbumData&, const TrackEntry* t) -> const QString& { return t->title; }},
    {u"artist", KeyKind::Track,
     [](const AlbumData&, const TrackEntry* t) -> const QString& { return t->artist; }},
    {u"playtime", KeyKind::Track,
     [](const AlbumData&, const TrackEntry* t) -> const QString& { return t->playTime; }},
    {u"albumartist", KeyKind::Album,
     [](const AlbumData& a, const TrackEntry*) -> const QString& { return a.artist; }},
    {u"albumtitle", KeyKind::Album,
     [](const AlbumData& a, const TrackEntry*) -> const QString& { return a.title; }},
    {u"albumtime", KeyKind::Album,
     [](const AlbumData& a, const TrackEntry*) -> const QString& { return a.year; }},
}};

// ASCII-only case folding, as a byte-wise case-insensitive compare does it.
char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

bool StartsWithKey(QStringView text, QStringView key) {
    if (text.size() < key.size())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (FoldAscii(text[i].unicode()) != key[i].unicode())
            return false;
    }
    return true;
}

bool IsCSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// atoi over exactly these characters.
int Atoi(QStringView digits) {
    qsizetype i = 0;
    while (i < digits.size() && IsCSpace(digits[i].unicode()))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == u'+' || digits[i] == u'-'))
        negative = digits[i++] == u'-';
    int value = 0;
    for (; i < digits.size() && digits[i] >= u'0' && digits[i] <= u'9'; ++i)
        value = value * 10 + (digits[i].unicode() - u'0');
    return negative ? -value : value;
}

// Keys tried after the six above, each standing for the whole album: the
// track list block, the album's length and its number of tracks. None of the
// six is a prefix of them, so texts holding only the six expand as before.
enum class AlbumExtra { None, TrackList, Length, Count };

AlbumExtra ExtraKey(QStringView inside) {
    if (StartsWithKey(inside, u"tracklist"))
        return AlbumExtra::TrackList;
    if (StartsWithKey(inside, u"albumlength"))
        return AlbumExtra::Length;
    if (StartsWithKey(inside, u"trackcount"))
        return AlbumExtra::Count;
    return AlbumExtra::None;
}

// The replacement for the text between the brackets, or null when no key fits.
const QString* Replacement(QStringView inside, const AlbumData& album) {
    for (const Key& key : kKeys) {
        if (!StartsWithKey(inside, key.name))
            continue;
        if (key.kind == KeyKind::Album)
            return &key.field(album, nullptr);
        if (inside.size() - key.name.size() < 2)
            continue;
        const int n = Atoi(inside.sliced(key.name.size(), 2));
        if (n >= 1 && n <= qsizetype(album.tracks.size()))
            return &key.field(album, &album.tracks[size_t(n - 1)]);
    }
    return nullptr;
}

} // namespace

std::vector<ExpandedPiece> ExpandPlaceholderPieces(const QString& text, const AlbumData& album) {
    std::vector<ExpandedPiece> pieces;
    QString s = text;
    qsizetype p = s.indexOf(u'<');
    while (p >= 0 && p + 1 < s.size()) {
        const qsizetype close = s.indexOf(u'>', p);
        if (close < 0)
            break;
        const QStringView inside = QStringView(s).sliced(p + 1, close - p - 1);
        QString inserted;
        if (const QString* value = Replacement(inside, album)) {
            inserted = *value;
        } else {
            switch (ExtraKey(inside)) {
            case AlbumExtra::None:
                p = s.indexOf(u'<', p + 1);
                continue;
            case AlbumExtra::TrackList:
                // The text so far ends a piece; the scan goes on after the
                // placeholder in what remains.
                pieces.push_back({s.first(p), false});
                pieces.push_back({QString(), true});
                s = s.sliced(close + 1);
                p = s.indexOf(u'<');
                continue;
            case AlbumExtra::Length:
                inserted = AlbumLength(album);
                break;
            case AlbumExtra::Count:
                inserted = QString::number(album.tracks.size());
                break;
            }
        }
        s.replace(p, close - p + 1, inserted);
        p = s.indexOf(u'<', p + inserted.size());
    }
    if (!s.isEmpty() || pieces.empty())
        pieces.push_back({s, false});
    return pieces;
}

QString ExpandPlaceholders(const QString& text, const AlbumData& album) {
    const std::vector<ExpandedPiece> pieces = ExpandPlaceholderPieces(text, album);
    if (pieces.size() == 1)
        return pieces.front().text;
    QString expanded;
    for (const ExpandedPiece& piece : pieces)
        expanded += piece.trackList ? TrackListText(album) : piece.text;
    return expanded;
}

std::span<const PlaceholderTemplate> PlaceholderTemplates() {
    static const PlaceholderTemplate kTemplates[] = {
        {32829, "<artist01> <title01> <playtime01>", "<artist01>  <title01>  <playtime01>"},
        {32832, "<artist01>-<title01>-<playtime01>", "<artist01>-<title01>-<playtime01>"},
        {32830, "<title01> <playtime01>", "<title01>  <playtime01>"},
        {32831, "<artist01> <title01>", "<artist01>  <title01>"},
        {32833, "<albumtitle>", "<albumtitle>"},
        {32834, "<albumartist>", "<albumartist>"},
        {32835, "<albumtime>", "<albumtime>"},
        {32890, "<tracklist>", "<tracklist>"},
        {32891, "<albumlength>", "<albumlength>"},
        {32892, "<trackcount>", "<trackcount>"},
    };
    return kTemplates;
}
