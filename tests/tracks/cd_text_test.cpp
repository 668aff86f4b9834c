#include "platform/cd_text.h"
#include "support/test_support.h"
#include "tracks/cdtext_lookup.h"
#include "tracks_test_support.h"

#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// CD-TEXT packs as a drive hands them out: 18 bytes each, a pack type, the
// track the text starts in, a sequence number, the character position,
// twelve text bytes (texts end with a zero byte and run on into the next
// pack) and the CRC-16 (CCITT, inverted) of the sixteen bytes before it.
class PackWriter {
public:
    // The texts of one pack type, for the disc (track 0) and tracks 1, 2, ...
    void Add(uint8_t type, const std::vector<QByteArray>& texts) {
        QByteArray bytes;
        std::vector<int> owner, position;
        for (size_t track = 0; track < texts.size(); ++track)
            for (int i = 0; i <= texts[track].size(); ++i) {
                owner.push_back(int(track));
                position.push_back(qMin(i, 15));
            }
        for (const QByteArray& text : texts)
            bytes += text + '\0';
        for (int at = 0; at < bytes.size(); at += 12) {
            QByteArray pack;
            pack += char(type);
            pack += char(owner[size_t(at)]);
            pack += char(m_sequence++);
            pack += char(position[size_t(at)]);
            pack += bytes.mid(at, 12).leftJustified(12, '\0');
            Finish(pack);
            if (type == 0x80)
                ++m_titlePacks;
            else
                ++m_performerPacks;
        }
    }
    // The three size packs: ISO 8859-1, tracks 1 to `lastTrack`, English.
    QByteArray Packs(int lastTrack) {
        QByteArray info(36, '\0');
        info[1] = 1;
        info[2] = char(lastTrack);
        info[4] = char(m_titlePacks);
        info[5] = char(m_performerPacks);
        info[4 + 15] = 3;
        info[20] = char(m_sequence + 2);
        info[28] = 0x09;
        for (int i = 0; i < 3; ++i) {
            QByteArray pack;
            pack += char(0x8F);
            pack += char(i);
            pack += char(m_sequence++);
            pack += '\0';
            pack += info.mid(i * 12, 12);
            Finish(pack);
        }
        return m_packs;
    }

private:
    void Finish(QByteArray& pack) {
        quint16 crc = 0;
        for (const char byte : pack) {
            crc ^= quint16(uint8_t(byte)) << 8;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
        }
        crc = ~crc;
        pack += char(crc >> 8);
        pack += char(crc & 0xFF);
        m_packs += pack;
    }
    QByteArray m_packs;
    int m_sequence = 0;
    int m_titlePacks = 0;
    int m_performerPacks = 0;
};

} // namespace

inline void PrintTo(const CdTextEntry& entry, std::ostream* out) {
    *out << '{' << entry.title.toStdString() << ", " << entry.performer.toStdString() << '}';
}

TEST(CdTextTest, CueSheetTextFillsAlbumAndRows) {
    QTemporaryDir dir;
    // UTF-8 cue sheet; the second track has a performer of its own, the
    // third none (it takes the disc's).
    const QString cue =
        MakeCdTextImage(dir.path(), "PERFORMER \"Die Bänd\"\nTITLE \"Grüße\"\n",
                        {"    TITLE \"Eins\"\n    PERFORMER \"Die Bänd\"\n",
                         "    TITLE \"Zwei\"\n    PERFORMER \"Gast\"\n", "    TITLE \"Drei\"\n"});
    const CddbLookupResult result = RunCdTextLookup(cue);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.album.title, "Grüße");
    EXPECT_EQ(result.album.artist, "Die Bänd");
    EXPECT_TRUE(result.album.year.isEmpty());
    const std::vector<TrackEntry> expected = {
        {"Die Bänd", "Eins", "03:08"}, {"Gast", "Zwei", "03:30"}, {"Die Bänd", "Drei", "03:20"}};
    EXPECT_EQ(result.album.tracks, expected);
}

TEST(CdTextTest, DiscWithoutTextOrImageSaysSo) {
    QTemporaryDir dir;
    const QString cue = MakeExampleDisc(dir.path());
    CddbLookupResult result = RunCdTextLookup(cue);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, cue + ": the disc carries no CD-TEXT");
    result = RunCdTextLookup(dir.filePath("missing.cue"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("cannot open")) << result.message.toStdString();
}

TEST(CdTextTest, RawPacksFromADrive) {
    PackWriter writer;
    writer.Add(0x80, {"Album", "Caf\xE9", "Second"});
    writer.Add(0x81, {"Various", "Solo", "Duo"});
    const QByteArray packs = writer.Packs(2);
    CdText text;
    ASSERT_TRUE(ParseCdTextPacks(packs, 2, text));
    EXPECT_EQ(text.disc, (CdTextEntry{"Album", "Various"}));
    ASSERT_EQ(text.tracks.size(), 2u);
    EXPECT_EQ(text.tracks[0], (CdTextEntry{"Café", "Solo"})); // ISO 8859-1 on the disc
    EXPECT_EQ(text.tracks[1], (CdTextEntry{"Second", "Duo"}));
    const AlbumData album =
        AlbumFromCdText(text, {MsfTime{0, 2, 0}, MsfTime{1, 2, 0}, MsfTime{62, 2, 74}});
    EXPECT_EQ(album.artist, "Various");
    EXPECT_EQ(album.tracks[1], (TrackEntry{"Duo", "Second", "61:00"}));

    // No disc performer: the tracks' common one names the album.
    text.disc.performer.clear();
    text.tracks[1].performer = QStringLiteral("Solo");
    EXPECT_EQ(AlbumFromCdText(text, {MsfTime{0, 2, 0}, MsfTime{1, 2, 0}, MsfTime{2, 2, 0}}).artist,
              "Solo");

    // Cut packs and junk are refused or read as far as they go, never past.
    for (const QByteArray& bad : {packs.left(17), packs.left(40), QByteArray(900, '\x8F')}) {
        CdText partial;
        ParseCdTextPacks(bad, 99, partial);
        EXPECT_LE(partial.tracks.size(), 99u);
    }
}

TEST(CdTextTest, LookupVerbReadsTheImageOffline) {
    QTemporaryDir dir;
    TempProgramFolder home;
    // No CDDB server is configured or needed.
    const QString cue = MakeCdTextImage(dir.path(), "PERFORMER \"Band\"\nTITLE \"Live\"\n",
                                        {"    TITLE \"A\"\n", "    TITLE \"B\"\n"});
    qputenv("LUMVANE_CDROM", cue.toUtf8());
    ProcessResult result = RunLumvane({"tracks", "lookup", "--source", "cdtext"}, home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(result.out), QJsonDocument::fromJson(R"({
        "album": {"title": "Live", "artist": "Band", "year": ""},
        "tracks": [{"artist": "Band", "title": "A", "play_time": "03:08"},
                   {"artist": "Band", "title": "B", "play_time": "03:30"},
                   {"artist": "Band", "title": "", "play_time": "03:20"}]})"));

    // "auto" takes the disc's text before any server (none is reachable here).
    result = RunLumvane({"tracks", "lookup", "--source", "auto"}, home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(result.out)["album"]["title"], "Live");

    qputenv("LUMVANE_CDROM", MakeExampleDisc(dir.path()).toUtf8());
    result = RunLumvane({"tracks", "lookup", "--source", "cdtext"}, home.Path());
    qunsetenv("LUMVANE_CDROM");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains("no CD-TEXT")) << result.err.toStdString();
}
