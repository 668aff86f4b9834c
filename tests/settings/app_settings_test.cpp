#include "settings/app_settings.h"
#include "settings/password_scrambler.h"
#include "support/test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString SettingsPath(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("lumvanesetup.ini"));
}

} // namespace

TEST(AppSettings, FirstStartWritesEveryKeyWithItsDefault) {
    QTemporaryDir dir;
    AppSettings settings(dir.path());
    settings.LoadSettings();
    settings.SaveSettings();
    const IniDocument ini = IniDocument::Load(SettingsPath(dir));
    const struct {
        const char16_t* section;
        const char16_t* key;
        QString value;
    } expected[] = {
        {u"General", u"User", QString()},
        {u"General", u"CDDDProxyAddress", QString()},
        {u"General", u"CDBBUseProxy", QStringLiteral("0")},
        {u"General", u"CDBBUseAuthentication", QStringLiteral("0")},
        {u"General", u"CDBBProxyPort", QStringLiteral("80")},
        {u"General", u"CDDBServer", QStringLiteral("gnudb.gnudb.org")},
        {u"General", u"CDDBPort", QStringLiteral("80")},
        {u"General", u"MusicBrainzServer", QStringLiteral("musicbrainz.org")},
        {u"General", u"MusicBrainzPort", QStringLiteral("443")},
        {u"MainWindow", u"Left", QStringLiteral("30")},
        {u"MainWindow", u"Top", QStringLiteral("30")},
        {u"MainWindow", u"Width", QStringLiteral("750")},
        {u"MainWindow", u"Height", QStringLiteral("500")},
        {u"Print", u"Offset_X", QStringLiteral("0")},
        {u"Print", u"Offset_Y", QStringLiteral("0")},
        {u"Print", u"Expand Width", QStringLiteral("0")},
        {u"Print", u"Expand Height", QStringLiteral("0")},
        {u"ProxyAuthentication", u"UserName", QString()},
        {u"ProxyAuthentication", u"PasswordLength", QStringLiteral("2")},
        {u"default", u"borderlinecolor", QStringLiteral("0")},
        {u"default", u"borderlinestyle", QStringLiteral("0")},
        {u"default", u"printdisc", QStringLiteral("1")},
        {u"default", u"printfrontinside", QStringLiteral("1")},
        {u"default", u"printback", QStringLiteral("1")},
        {u"default", u"printborder", QStringLiteral("0")},
        {u"Label Stock", u"Disc",
         dir.path() + QStringLiteral("/label stock/disc/plain paper(A4).ini")},
        {u"Label Stock", u"FrontInside",
         dir.path() + QStringLiteral("/label stock/front inside/Plain Paper (A4).ini")},
        {u"Label Stock", u"Back",
         dir.path() + QStringLiteral("/label stock/back/Plain Paper(A4).ini")},
    };
    for (const auto& e : expected) {
        const auto value = ini.Value(QStringView(e.section), QStringView(e.key));
        ASSERT_TRUE(value.has_value()) << QString::fromUtf16(e.key).toStdString();
        EXPECT_EQ(*value, e.value) << QString::fromUtf16(e.key).toStdString();
    }
    EXPECT_TRUE(ini.Value(u"ProxyAuthentication", u"Password000").has_value());
    EXPECT_TRUE(ini.Value(u"ProxyAuthentication", u"Password001").has_value());
    // Sections in the order they are first written.
    QStringList sections;
    for (const QString& line : ini.Lines())
        if (line.startsWith(u'['))
            sections.append(line);
    EXPECT_EQ(sections.join(u','),
              QStringLiteral(
                  "[General],[MainWindow],[Print],[ProxyAuthentication],[default],[Label Stock]"));
}

TEST(AppSettings, ValuesSurviveASaveAndLoad) {
    QTemporaryDir dir;
    AppSettings saved(dir.path());
    saved.m_user = QStringLiteral("me@example.org");
    saved.m_proxyPassword = QStringLiteral(u"s3cr\u00e9t");
    saved.m_proxyUserName = QStringLiteral("proxyuser");
    saved.m_proxyAddress = QStringLiteral("proxy.local");
    saved.m_useProxy = 1;
    saved.m_proxyPort = 3128;
    saved.m_mainLeft = -20;
    saved.m_borderLineColour = 0x00FF8040;
    saved.m_printBack = 0;
    saved.m_backStockPath = QStringLiteral("/elsewhere/back.ini");
    saved.SaveSettings();
    const QByteArray first = ReadWholeFile(SettingsPath(dir));

    AppSettings loaded(dir.path());
    loaded.LoadSettings();
    EXPECT_EQ(loaded.m_user, saved.m_user);
    EXPECT_EQ(loaded.m_proxyPassword, saved.m_proxyPassword);
    EXPECT_EQ(loaded.m_proxyUserName, saved.m_proxyUserName);
    EXPECT_EQ(loaded.m_proxyAddress, saved.m_proxyAddress);
    EXPECT_EQ(loaded.m_useProxy, 1);
    EXPECT_EQ(loaded.m_proxyPort, 3128);
    EXPECT_EQ(loaded.m_mainLeft, -20);
    EXPECT_EQ(loaded.m_borderLineColour, 0x00FF8040u);
    EXPECT_EQ(loaded.m_printBack, 0);
    EXPECT_EQ(loaded.m_backStockPath, saved.m_backStockPath);
    EXPECT_EQ(QString::fromUtf8(first).count(QStringLiteral("[General]")), 1);
}

TEST(AppSettings, EmptyOrBrokenKeysKeepDefaults) {
    QTemporaryDir dir;
    WriteTextFile(SettingsPath(dir), "[mainwindow]\nLeft=\nTop=abc\nWIDTH= 640px\n"
                                     "[ProxyAuthentication]\nPasswordLength=1000000\n");
    AppSettings settings(dir.path());
    settings.LoadSettings();
    EXPECT_EQ(settings.m_mainLeft, 30);
    EXPECT_EQ(settings.m_mainTop, 0);
    EXPECT_EQ(settings.m_mainWidth, 640);
    EXPECT_EQ(settings.m_mainHeight, 500);
    EXPECT_EQ(settings.m_proxyPassword, QString());
}

TEST(AppSettings, OverlongPasswordIsNotStored) {
    QTemporaryDir dir;
    AppSettings settings(dir.path());
    settings.m_proxyPassword = QString(80, u'x');
    settings.SaveSettings();
    AppSettings loaded(dir.path());
    loaded.LoadSettings();
    EXPECT_EQ(loaded.m_proxyPassword, QString());
    EXPECT_EQ(
        IniDocument::Load(SettingsPath(dir)).ReadInt(u"ProxyAuthentication", u"PasswordLength", -1),
        2);
}

TEST(AppSettings, ReleaseFolderKeepsItsSettingsOneFolderUp) {
    AppSettings settings(QStringLiteral("/opt/lumvane/RELEASE"));
    EXPECT_EQ(settings.m_programFolder, QStringLiteral("/opt/lumvane"));
    EXPECT_EQ(settings.m_settingsFile.Path(), QStringLiteral("/opt/lumvane/lumvanesetup.ini"));
    // The default stocks stay beside the executable itself.
    EXPECT_EQ(settings.m_discStockPath,
              QStringLiteral("/opt/lumvane/RELEASE/label stock/disc/plain paper(A4).ini"));
}

TEST(AppSettings, WindowsPasswordsAndTheCddbSettings) {
    // A settings file from Windows scrambles the password's Windows-1252 bytes.
    QTemporaryDir dir;
    const std::vector<int> words = ScramblePassword("p\xe4ss\x80", 4242);
    QString ini = QStringLiteral("[General]\nCDDBServer=cddb.example\nCDDBPort=8880\n"
                                 "MusicBrainzServer=mb.example\nMusicBrainzPort=5000\n"
                                 "User= me@example.org \nCDBBUseProxy=1\nCDDDProxyAddress=proxy\n"
                                 "CDBBProxyPort=3128\nCDBBUseAuthentication=1\n"
                                 "[ProxyAuthentication]\nUserName=jo\nPasswordLength=%1\n")
                      .arg(words.size());
    for (size_t i = 0; i < words.size(); ++i)
        ini += QStringLiteral("Password%1=%2\n").arg(i, 3, 10, QLatin1Char('0')).arg(words[i]);
    WriteTextFile(SettingsPath(dir), ini.toUtf8());
    AppSettings settings(dir.path());
    settings.LoadSettings();
    EXPECT_EQ(settings.m_proxyPassword, QStringLiteral(u"päss€"));

    const CddbSettings cddb = settings.ForCddb();
    EXPECT_EQ(cddb.server, QStringLiteral("cddb.example"));
    EXPECT_EQ(cddb.port, 8880);
    EXPECT_EQ(cddb.userEmail, QStringLiteral("me@example.org")); // trimmed
    EXPECT_TRUE(cddb.proxy.use);
    EXPECT_EQ(cddb.proxy.host, QStringLiteral("proxy"));
    EXPECT_EQ(cddb.proxy.port, 3128);
    EXPECT_TRUE(cddb.proxy.useAuthentication);
    EXPECT_EQ(cddb.proxy.user, QStringLiteral("jo"));
    EXPECT_EQ(cddb.proxy.password, QStringLiteral(u"päss€"));

    // MusicBrainz goes through the same proxy.
    const MusicBrainzSettings mb = settings.ForMusicBrainz();
    EXPECT_EQ(mb.server, u"mb.example");
    EXPECT_EQ(mb.port, 5000);
    EXPECT_TRUE(mb.proxy.Authenticates());
    EXPECT_EQ(mb.proxy.host, u"proxy");
    EXPECT_EQ(mb.proxy.password, QStringLiteral(u"päss€"));
}
