#include "cd_text.h"

#include "cdio_source.h"

#include <QStringDecoder>

#include <cdio/cdtext.h>

#include <memory>

namespace {

// The most tracks an audio CD can hold.
constexpr int kMaxTracks = 99;
constexpr qsizetype kPackBytes = 18;
constexpr qsizetype kMaxPackBytes = 8 * 256 * kPackBytes;

struct CdTextCloser {
    void operator()(cdtext_t* text) const { cdtext_destroy(text); }
};

// libcdio hands out UTF-8, but reads cue sheets as Latin-1: a cue sheet
// written in UTF-8 comes back encoded twice ("TitlÃ©"). Such a text,
// narrowed back to bytes, is valid UTF-8 with multi-byte sequences.
QString Repaired(const QString& text) {
    bool narrow = true;
    bool high = false;
    for (const QChar c : text) {
        narrow = narrow && c.unicode() <= 0xFF;
        high = high || c.unicode() >= 0x80;
    }
    if (!narrow || !high)
        return text;
    const QByteArray bytes = text.toLatin1();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? text : decoded;
}

QString Field(const cdtext_t* text, cdtext_field_t field, int track) {
    const char* value = cdtext_get_const(text, field, track_t(track));
    if (value == nullptr)
        return {};
    // A field is at most a few hundred bytes; stop at a sane length anyway.
    const QByteArrayView bytes(value, qstrnlen(value, 4096));
    return Repaired(QString::fromUtf8(bytes).trimmed());
}

CdText Collect(const cdtext_t* text, int trackCount) {
    CdText out;
    out.disc = {Field(text, CDTEXT_FIELD_TITLE, 0), Field(text, CDTEXT_FIELD_PERFORMER, 0)};
    for (int track = 1; track <= trackCount; ++track)
        out.tracks.push_back(
            {Field(text, CDTEXT_FIELD_TITLE, track), Field(text, CDTEXT_FIELD_PERFORMER, track)});
    return out;
}

// The first language block that holds any text; the default block when none.
CdText FirstBlockWithText(cdtext_t* text, int trackCount) {
    CdText first = Collect(text, trackCount);
    if (first.HasText())
        return first;
    const cdtext_lang_t* languages = cdtext_list_languages_v2(text);
    for (int block = 1; languages != nullptr && block < 8; ++block) {
        if (languages[block] == CDTEXT_LANGUAGE_BLOCK_UNUSED ||
            !cdtext_set_language_index(text, block))
            continue;
        CdText other = Collect(text, trackCount);
        if (other.HasText())
            return other;
    }
    return first;
}

} // namespace

bool CdText::HasText() const {
    const auto any = [](const CdTextEntry& entry) {
        return !entry.title.isEmpty() || !entry.performer.isEmpty();
    };
    if (any(disc))
        return true;
    for (const CdTextEntry& track : tracks)
        if (any(track))
            return true;
    return false;
}

bool ReadCdText(const QString& source, int trackCount, CdText& text, QString* error) {
    text = CdText{};
    const CdioHandle cd = OpenCdioSource(source, error);
    if (!cd)
        return false;
    // The object belongs to the drive and goes with it.
    cdtext_t* cdText = cdio_get_cdtext(cd.get());
    if (cdText != nullptr)
        text = FirstBlockWithText(cdText, qBound(0, trackCount, kMaxTracks));
    return true;
}

bool ParseCdTextPacks(QByteArrayView packs, int trackCount, CdText& text) {
    text = CdText{};
    QuietCdioLogging(); // damaged packs would fill stderr with warnings
    std::unique_ptr<cdtext_t, CdTextCloser> cdText(cdtext_init());
    if (!cdText || packs.isEmpty())
        return false;
    // Whole packs only, no more than eight blocks of 256 packs can hold:
    // libcdio reads in steps of a pack. It asks for a writable buffer.
    const qsizetype length = qMin(packs.size(), kMaxPackBytes) / kPackBytes * kPackBytes;
    if (length == 0)
        return false;
    QByteArray copy(packs.data(), length);
    if (cdtext_data_init(cdText.get(), reinterpret_cast<uint8_t*>(copy.data()),
                         size_t(copy.size())) != 0)
        return false;
    text = FirstBlockWithText(cdText.get(), qBound(0, trackCount, kMaxTracks));
    return true;
}
