#include "tracks/playlist.h"

#include <gtest/gtest.h>

TEST(Playlist, PathResolution) {
    struct Case {
        const char* directory;
        const char* entry;
        const char* resolved;
    };
    const Case cases[] = {
        {"C:\\lists\\", "..\\music\\song.mp3", "C:\\lists\\..\\music\\song.mp3"},
        {"C:\\lists\\", "music\\song.mp3", "C:\\lists\\music\\song.mp3"},
        {"C:\\lists\\", "C:\\music\\song.mp3", "C:\\music\\song.mp3"},
        {"C:\\lists\\", "\\music\\song.mp3", "\\music\\song.mp3"},
        {"/home/u/lists/", "..\\music\\song.mp3", "/home/u/lists/../music/song.mp3"},
        {"/home/u/lists/", "music/song.mp3", "/home/u/lists/music/song.mp3"},
        {"/home/u/lists/", "/srv/song.mp3", "/srv/song.mp3"},
        {"/home/u/lists/", "d:/music/song.mp3", "d:/music/song.mp3"},
        {"/home/u/lists/", "..", "/home/u/lists/.."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolvePlaylistPath(QString::fromUtf8(c.directory), QString::fromUtf8(c.entry)),
                  QString::fromUtf8(c.resolved))
            << c.entry;
    EXPECT_EQ(PlaylistDirectory(QStringLiteral("C:\\lists\\mix.m3u")), u"C:\\lists\\");
    EXPECT_EQ(PlaylistDirectory(QStringLiteral("/a/b.pls")), u"/a/");
    EXPECT_EQ(PlaylistTitleFromPath(QStringLiteral("/a/b.c/song.x.mp3")), u"song.x");
    EXPECT_EQ(PlaylistTitleFromPath(QStringLiteral("/a/b.c/noext")), u"noext");
}

TEST(Playlist, PlsEntries) {
    const QByteArray text =
        "\xEF\xBB\xBF[playlist]\r\nFile1=music\\first.mp3\r\nTitle1=First Song\r\nLength1=245\r\n"
        "=stray\r\nno key here\r\nNumberOfEntries=3\r\n"
        "File2=/srv/Second One.ogg\r\n"
        "File3=http://radio.example/stream\r\nTitle3=Radio\r\nLength3=-1\r\nVersion=2\r\n";
    const std::vector<PlaylistEntry> expected = {
        {"/lists/music/first.mp3", "First Song", "4:05"},
        {"/srv/Second One.ogg", "Second One", "0:00"},
        {"/lists/http://radio.example/stream", "Radio", "0:00"},
    };
    EXPECT_EQ(ParsePlsPlaylist(text, QStringLiteral("/lists/")), expected);
    EXPECT_TRUE(ParsePlsPlaylist("", QStringLiteral("/lists/")).empty());
    // Windows-1252 text.
    EXPECT_EQ(ParsePlsPlaylist("File1=caf\xe9.mp3", QStringLiteral("/l/")).front().title,
              QStringLiteral("caf\u00e9"));
}

TEST(Playlist, M3uEntries) {
    const QByteArray text =
        "#EXTM3U\r\n#EXTINF:245,Artist - First\r\nmusic\\first.mp3  \r\n\r\n   \r\n"
        "http://radio.example/live.mp3\r\nC:\\music\\third.wav\n#comment\nlast";
    const std::vector<PlaylistEntry> expected = {
        {"/lists/music/first.mp3", "first", "0:00"},
        {"http://radio.example/live.mp3", "live", "0:00"},
        {"C:\\music\\third.wav", "third", "0:00"},
        {"/lists/last", "last", "0:00"},
    };
    EXPECT_EQ(ParseM3uPlaylist(text, QStringLiteral("/lists/")), expected);
}
