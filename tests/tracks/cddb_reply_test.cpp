#include "platform/decimal.h"
#include "tracks/cddb_reply.h"
#include "tracks_test_support.h"

#include <gtest/gtest.h>

namespace {

QString Body(const QByteArray& reply) {
    QByteArray data = HttpReply(reply);
    qsizetype scan = 0;
    CheckCddbReception(data, false, scan);
    QByteArray body;
    EXPECT_TRUE(CddbReplyBody(data, body));
    return DecodeCddbText(body);
}

QString Record(const QByteArray& fields,
               const QByteArray& comments = "# xmcd\n# Track frame offsets:\n# 150\n"
                                            "# Disc length: 600 seconds\n"
                                            "# Submitted via: Client 1.0\n") {
    return QString::fromUtf8(comments + fields);
}

} // namespace

TEST(CddbReply, ReceptionEndsAtTheTerminatorOrAtACompleteSingleLineQueryReply) {
    QByteArray data = "HTTP/1.0 200 OK\r\n\r\n210 found\r\nrock 1 a / b\r\n";
    qsizetype scan = 0;
    EXPECT_EQ(CheckCddbReception(data, true, scan), CddbReception::NeedMore);
    data += ".\r\n";
    EXPECT_EQ(CheckCddbReception(data, true, scan), CddbReception::Complete);
    EXPECT_EQ(data, "HTTP/1.0 200 OK\r\n\r\n210 found\r\nrock 1 a / b");

    QByteArray single = "HTTP/1.0 200 OK\r\n\r\n202";
    scan = 0;
    EXPECT_EQ(CheckCddbReception(single, true, scan),
              CddbReception::NeedMore); // line not ended yet
    single += " No match\r\n";
    EXPECT_EQ(CheckCddbReception(single, true, scan), CddbReception::Complete);
    scan = 0;
    EXPECT_EQ(CheckCddbReception(single, false, scan),
              CddbReception::NeedMore); // a read waits for "."

    QByteArray body;
    EXPECT_FALSE(CddbReplyBody("200 no header", body));
}

TEST(CddbReply, QueryRepliesByStatusCode) {
    struct Case {
        QByteArray body;
        bool ok;
        bool consumed;
        std::vector<QString> categories;
    };
    const Case cases[] = {
        {"200 rock 7a0a4b0c Some Artist / Some Album\r\n", true, true, {"rock"}},
        {"211 close matches\r\nrock 10025603 A / B\r\nmisc 10025604 C / D\r\nnoblank\r\njazz 1a "
         "E\r\n.\r\n",
         true,
         true,
         {"rock", "misc", "jazz"}},
        {"210 exact\r\nonlyone\r\n.\r\n", false, true, {}},
        {"202 No match for disc ID 10025603.\r\n", true, false, {}},
        {"500 Command syntax error\r\n", false, false, {}},
        {"200 r", false, false, {}},
        {"20", false, false, {}},
        {"200 rock 7a0a4b0c", false, true, {}}, // ends after the disc id
        {"211 x\r\nrock 1 " + QByteArray(5000, 'x') + "\r\n.\r\n",
         false,
         false,
         {}}, // line too long
    };
    for (const Case& c : cases) {
        std::vector<CCddbMatch> matches;
        bool consumed = false;
        EXPECT_EQ(ParseCddbQueryReply(Body(c.body), matches, consumed), c.ok)
            << c.body.left(60).data();
        EXPECT_EQ(consumed, c.consumed) << c.body.left(60).data();
        std::vector<QString> categories;
        for (const CCddbMatch& m : matches)
            categories.push_back(m.category);
        EXPECT_EQ(categories, c.categories) << c.body.left(60).data();
    }
}

TEST(CddbReply, MatchLines) {
    CCddbMatch m;
    ASSERT_TRUE(ParseCddbMatchLine(u"rock   7a0a4b0c   Some Artist  /  Some / Album\r\nnext", m));
    EXPECT_EQ(m.category, u"rock");
    EXPECT_EQ(m.discId, 0x7a0a4b0cu);
    EXPECT_EQ(m.artist, u"Some Artist");
    EXPECT_EQ(m.title, u"Some / Album");
    ASSERT_TRUE(ParseCddbMatchLine(u"misc 10025603 No Slash Here", m));
    EXPECT_EQ(m.artist, u"");
    EXPECT_EQ(m.title, u"No Slash Here");
    EXPECT_FALSE(ParseCddbMatchLine(u"nocategory", m));
    EXPECT_FALSE(ParseCddbMatchLine(u"rock 10025603", m));
}

TEST(CddbReply, ValidReadReplyAndItsFields) {
    CCddbRecord r;
    ASSERT_TRUE(ParseCddbReadReply(Body(ExampleRead()), r));
    EXPECT_EQ(r.frameOffsets, (std::vector<int>{150, 14250, 30000}));
    EXPECT_EQ(r.discLength, 600);
    EXPECT_EQ(r.revision, 3);
    EXPECT_EQ(r.submitClient, u"Lumvane");
    EXPECT_EQ(r.submitVersion, u"0.1.0");
    EXPECT_EQ(r.submitComment, u"test");
    EXPECT_EQ(r.discId, 0x10025603u);
    EXPECT_EQ(r.artist, u"Some Artist");
    EXPECT_EQ(r.title, u"Some Album");
    EXPECT_EQ(r.year, 1999);
    EXPECT_EQ(r.genre, u"Rock");
    EXPECT_EQ(r.trackTitles, (std::vector<QString>{"One", QStringLiteral("Tw\u00f6"), "Three"}));
    EXPECT_FALSE(ParseCddbReadReply(Body(ExampleRead(false)), r)); // no "Submitted via:"
    EXPECT_FALSE(ParseCddbReadReply(u"401 rock 10025603 No such CD entry in database."_qs, r));
}

TEST(CddbReply, XmcdRules) {
    CCddbRecord r;
    // Repeated DTITLE lines join before the split; escapes decode in one pass.
    ASSERT_TRUE(ParseXmcdRecord(
        Record("DISCID=10025603,20025603\nDTITLE=Long Ar\nDTITLE=tist / X\n"
               "TTITLE0=a\\\\nb\nTTITLE0= c\\td\nEXTT0=e\\x\nPLAYORDER=3,1,\nPLAYORDER=2\n"),
        r));
    EXPECT_EQ(r.artist, u"Long Artist");
    EXPECT_EQ(r.title, u"X");
    EXPECT_EQ(r.discId, 0x10025603u);
    EXPECT_EQ(r.trackTitles, (std::vector<QString>{"a\\nb c\td"}));
    EXPECT_EQ(r.extendedTrackData, (std::vector<QString>{"e\\x"}));
    EXPECT_EQ(r.playOrder, (std::vector<int>{3, 1, 2}));

    ASSERT_TRUE(ParseXmcdRecord(Record("DISCID=10025603\nDTITLE=Various\n"), r));
    EXPECT_EQ(r.artist, u"Various");
    EXPECT_EQ(r.title, u"Various");
    EXPECT_EQ(r.year, 0);

    const char* invalid[] = {
        "DISCID=1002560\nDTITLE=x\n",                                // disc id too short: not seen
        "DISCID=10025603\n",                                         // no title
        "DISCID=10025603\nDTITLE=x\nTTITLE0=a\nTTITLE1=b\nEXTT0=\n", // title and extended counts
                                                                     // differ
        "DISCID=10025603\nDTITLE=x\nTTITLE100=a\n",                  // index out of range
        "DISCID=10025603\nDTITLE=x\nTTITLE-1=a\n",
        "DISCID=10025603\nDTITLE=x\nEXTT4000000000=a\n",
    };
    for (const char* fields : invalid)
        EXPECT_FALSE(ParseXmcdRecord(Record(fields), r)) << fields;
    EXPECT_FALSE(ParseXmcdRecord(Record("DISCID=10025603\nDTITLE=x\n",
                                        "# Track frame offsets:\n# 150\n"
                                        "# Disc length: 1\n# Submitted via: C 1\n"),
                                 r)); // no signature
    EXPECT_FALSE(ParseXmcdRecord(Record("DISCID=10025603\nDTITLE=x\n",
                                        "# xmcd\n# Track frame offsets:\n"
                                        "# Disc length: 1\n# Submitted via: C 1\n"),
                                 r)); // no offsets
    EXPECT_FALSE(ParseXmcdRecord(Record("DISCID=10025603\nDTITLE=x\n",
                                        "# xmcd\n# Track frame offsets:\n# 150\n"
                                        "# Disc length: 1\n# Submitted via: C\n"),
                                 r)); // submitter without version
    // Comments after "Disc length:" are no longer offsets; a 1-character comment is empty.
    ASSERT_TRUE(ParseXmcdRecord(Record("DISCID=10025603\nDTITLE=x\n",
                                       "# xmcd\n# Track frame offsets:\n#5\n# 150\n"
                                       "# Disc length: 1 s\n# 77\n# Submitted via: C 1\n"),
                                r));
    EXPECT_EQ(r.frameOffsets, (std::vector<int>{150}));
}

TEST(CddbReply, EscapesAndAtoi) {
    EXPECT_EQ(DecodeXmcdEscapes(u"a\\\\nb"), u"a\\nb");
    EXPECT_EQ(DecodeXmcdEscapes(u"a\\nb\\tc\\"), u"a\nb\tc\\");
    EXPECT_EQ(ParseDecimal(u"  -12x"), -12);
    EXPECT_EQ(ParseDecimal(u"x"), 0);
    EXPECT_EQ(ParseDecimal(u"99999999999"), std::numeric_limits<int>::max());
}
