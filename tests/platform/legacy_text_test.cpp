#include "platform/legacy_text.h"
#include "platform/logfont.h"

#include <algorithm>

#include <gtest/gtest.h>

TEST(LegacyText, Utf8IsKeptAndOtherBytesAreWindows1252) {
    EXPECT_EQ(DecodeLegacyText("plain"), QStringLiteral("plain"));
    EXPECT_EQ(DecodeLegacyText("\xc3\xa9t\xc3\xa9"), QStringLiteral(u"été"));
    EXPECT_EQ(DecodeLegacyText("\xe9t\xe9"), QStringLiteral(u"été"));
    // The 0x80..0x9F block is where Windows-1252 differs from Latin-1.
    EXPECT_EQ(DecodeWindows1252("\x80\x93\x94\x9f\x81"), QStringLiteral(u"€“”Ÿ\u0081"));
}

TEST(LegacyText, Windows1252EncodingIsTheInverseOfDecoding) {
    QString all;
    for (int b = 0; b < 256; ++b)
        all += DecodeWindows1252(QByteArray(1, char(b)));
    QByteArray bytes(256, '\0');
    for (int b = 0; b < 256; ++b)
        bytes[b] = char(b);
    EXPECT_EQ(EncodeWindows1252(all), bytes);
    // U+0080 is not 0x80 (the euro sign is); CJK and emoji have no byte at all.
    EXPECT_EQ(EncodeWindows1252(u"\u0080"), std::nullopt);
    EXPECT_EQ(EncodeWindows1252(u"Meiryo \u30e1\u30a4\u30ea\u30aa"), std::nullopt);
    EXPECT_EQ(EncodeWindows1252(u"\U0001F3B5"), std::nullopt);
}

TEST(LogFont, FaceNamesAreWindows1252AndUtf8OnlyWhenThatCannotHoldThem) {
    struct Case {
        QString name;
        QByteArray stored; // the bytes before the terminator
        QString readBack;
    };
    const QString longCjk = QString(20, QChar(0x660E)); // 3 UTF-8 bytes each
    const Case cases[] = {
        {QStringLiteral("Arial"), "Arial", QStringLiteral("Arial")},
        {QStringLiteral(u"Bodoni Café"), "Bodoni Caf\xe9", QStringLiteral(u"Bodoni Café")},
        {QStringLiteral(u"Zapf – Dingbats"), "Zapf \x96 Dingbats",
         QStringLiteral(u"Zapf – Dingbats")},
        {QString(40, u'x'), QByteArray(31, 'x'), QString(31, u'x')},
        // No Windows-1252 byte for these: UTF-8, cut on a character boundary.
        {QStringLiteral(u"メイリオ"), "\xe3\x83\xa1\xe3\x82\xa4\xe3\x83\xaa\xe3\x82\xaa",
         QStringLiteral(u"メイリオ")},
        {longCjk, longCjk.left(10).toUtf8(), longCjk.left(10)},
    };
    for (const Case& c : cases) {
        LOGFONTA font;
        font.lfFaceName.fill('?');
        font.SetFaceName(c.name);
        const QByteArrayView field(font.lfFaceName.data(), qsizetype(font.lfFaceName.size()));
        EXPECT_EQ(field.first(c.stored.size()), c.stored) << c.name.toStdString();
        EXPECT_TRUE(std::all_of(field.begin() + c.stored.size(), field.end(), [](char b) {
            return b == 0;
        })) << c.name.toStdString();
        EXPECT_EQ(font.FaceName(), c.readBack) << c.name.toStdString();
    }
}
