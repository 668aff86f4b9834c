#include "platform/ini_document.h"
#include "support/test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

IniDocument Parse(const QByteArray& text) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    WriteTextFile(path, text);
    return IniDocument::Load(path);
}

} // namespace

TEST(IniDocument, MatchesSectionsAndKeysWithoutRegardToCase) {
    const IniDocument ini = Parse("[General]\nUser = someone \n[MAINWINDOW]\nleft=12\n");
    EXPECT_EQ(ini.ReadString(u"general", u"USER", QStringLiteral("x")), QStringLiteral("someone"));
    EXPECT_EQ(ini.ReadInt(u"MainWindow", u"Left", 30), 12);
    EXPECT_EQ(ini.ReadString(u"General", u"Missing", QStringLiteral("fallback")),
              QStringLiteral("fallback"));
    EXPECT_EQ(ini.ReadInt(u"Nowhere", u"Left", 30), 30);
}

TEST(IniDocument, FirstSectionAndFirstKeyWin) {
    const IniDocument ini = Parse("[a]\nk=1\nk=2\n[b]\nk=3\n[A]\nk=4\n");
    EXPECT_EQ(ini.ReadInt(u"a", u"k", 0), 1);
    EXPECT_EQ(ini.ReadInt(u"b", u"k", 0), 3);
}

TEST(IniDocument, IntegerConversionFollowsDecimalRules) {
    struct Case {
        const char* value;
        int expected;
    } const cases[] = {
        {"", 30}, // empty keeps the default
        {"42", 42},
        {"  17", 17},
        {"-5", -5},
        {"+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"- 3", 0},
        {"3.9", 3},
        {"0x10", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"\"7\"", 7}, // quotes around a value are removed
    };
    for (const Case& c : cases) {
        const IniDocument ini = Parse(QByteArray("[s]\nk=") + c.value + "\n");
        EXPECT_EQ(ini.ReadInt(u"s", u"k", 30), c.expected) << "value: " << c.value;
    }
    EXPECT_EQ(Parse("[s]\n").ReadInt(u"s", u"k", 30), 30);
}

TEST(IniDocument, StringsAreCutAt1023Characters) {
    const QByteArray longValue(2000, 'x');
    const IniDocument ini = Parse("[s]\nk=" + longValue + "\n");
    EXPECT_EQ(ini.ReadString(u"s", u"k", QString()).size(), 1023);
}

TEST(IniDocument, WritingOneKeyKeepsEveryOtherLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.ini"));
    WriteTextFile(
        path,
        "; comment\r\n[General]\r\nUser=a\r\nOther = keep me\r\n\r\n[Print]\r\nOffset_X=1\r\n");
    IniFile file(path);
    ASSERT_TRUE(file.WriteString(u"general", u"User", QStringLiteral("b")));
    ASSERT_TRUE(file.WriteInt(u"General", u"Added", 5));
    ASSERT_TRUE(file.WriteInt(u"New Section", u"Key", -3));
    EXPECT_EQ(ReadWholeFile(path),
              QByteArray("; comment\r\n[General]\r\nUser=b\r\nOther = keep me\r\nAdded=5\r\n\r\n"
                         "[Print]\r\nOffset_X=1\r\n\r\n[New Section]\r\nKey=-3\r\n"));
}

TEST(IniDocument, WritingCreatesAMissingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.ini"));
    ASSERT_TRUE(IniFile(path).WriteString(u"General", u"User", QStringLiteral("me")));
    EXPECT_EQ(ReadWholeFile(path), QByteArray("[General]\nUser=me\n"));
    EXPECT_EQ(IniFile(path).ReadString(u"GENERAL", u"user", QString()), QStringLiteral("me"));
}

TEST(IniDocument, MissingOrFolderPathReadsAsEmpty) {
    QTemporaryDir dir;
    EXPECT_TRUE(IniDocument::Load(dir.filePath(QStringLiteral("none.ini"))).Lines().isEmpty());
    EXPECT_TRUE(IniDocument::Load(dir.path()).Lines().isEmpty());
    EXPECT_FALSE(IniFile(dir.path()).WriteInt(u"s", u"k", 1)); // a folder cannot be written
}

TEST(IniDocument, NonUtf8FilesAreWindows1252) {
    const IniDocument ini = Parse("[general]\nname=Caf\xe9 \x80\n");
    EXPECT_EQ(ini.ReadString(u"general", u"name", QString()), QStringLiteral(u"Café €"));
}
