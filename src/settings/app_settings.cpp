#include "app_settings.h"

#include "password_scrambler.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

namespace {

const QString kGeneral = QStringLiteral("General");
const QString kMainWindow = QStringLiteral("MainWindow");
const QString kPrint = QStringLiteral("Print");
const QString kProxyAuth = QStringLiteral("ProxyAuthentication");
const QString kDefault = QStringLiteral("default");
const QString kLabelStock = QStringLiteral("Label Stock");

QString PasswordKey(int i) {
    return QStringLiteral("Password%1").arg(i, 3, 10, QLatin1Char('0'));
}

} // namespace

AppSettings::AppSettings(const QString& executableFolder)
    : AppSettings(PortablePlaces(executableFolder)) {
}

AppSettings::AppSettings(const AppPlaces& places)
    : m_programFolder(places.programFolder), m_dataFolders(places.dataFolders),
      m_settingsFile(places.settingsFile) {
    const auto stock = [&places](const char* relative) {
        const QString name = QStringLiteral("label stock/") + QLatin1String(relative);
        // Portable: beside the executable itself, untrimmed, as always.
        if (places.portable)
            return places.executableFolder + u'/' + name;
        const QString found = places.FindDataFile(name);
        return found.isEmpty() ? places.UserDataPath(name) : found;
    };
    m_discStockPath = stock("disc/plain paper(A4).ini");
    m_frontStockPath = stock("front inside/Plain Paper (A4).ini");
    m_backStockPath = stock("back/Plain Paper(A4).ini");
}

void AppSettings::LoadSettings() {
    const IniDocument ini = IniDocument::Load(m_settingsFile.Path());
    m_discStockPath = ini.ReadString(kLabelStock, u"Disc", m_discStockPath);
    m_frontStockPath = ini.ReadString(kLabelStock, u"FrontInside", m_frontStockPath);
    m_backStockPath = ini.ReadString(kLabelStock, u"Back", m_backStockPath);

    m_user = ini.ReadString(kGeneral, u"User", m_user);
    m_useProxy = ini.ReadInt(kGeneral, u"CDBBUseProxy", m_useProxy);
    m_useProxyAuthentication =
        ini.ReadInt(kGeneral, u"CDBBUseAuthentication", m_useProxyAuthentication);
    m_proxyPort = ini.ReadInt(kGeneral, u"CDBBProxyPort", m_proxyPort);
    m_cddbServer = ini.ReadString(kGeneral, u"CDDBServer", m_cddbServer);
    m_cddbPort = ini.ReadInt(kGeneral, u"CDDBPort", m_cddbPort);
    m_cddbTimeout = ini.ReadInt(kGeneral, u"CDDBTimeout", m_cddbTimeout);
    if (m_cddbTimeout <= 0)
        m_cddbTimeout = kDefaultCddbTimeoutSeconds;
    m_musicBrainzServer = ini.ReadString(kGeneral, u"MusicBrainzServer", m_musicBrainzServer);
    m_musicBrainzPort = ini.ReadInt(kGeneral, u"MusicBrainzPort", m_musicBrainzPort);
    m_coverArtServer = ini.ReadString(kGeneral, u"CoverArtServer", m_coverArtServer);

    m_mainLeft = ini.ReadInt(kMainWindow, u"Left", 30);
    m_mainTop = ini.ReadInt(kMainWindow, u"Top", 30);
    m_mainWidth = ini.ReadInt(kMainWindow, u"Width", 750);
    m_mainHeight = ini.ReadInt(kMainWindow, u"Height", 500);

    m_printOffsetX = ini.ReadInt(kPrint, u"Offset_X", 0);
    m_printOffsetY = ini.ReadInt(kPrint, u"Offset_Y", 0);
    m_printExpandWidth = ini.ReadInt(kPrint, u"Expand Width", 0);
    m_printExpandHeight = ini.ReadInt(kPrint, u"Expand Height", 0);

    m_proxyUserName = ini.ReadString(kProxyAuth, u"UserName", m_proxyUserName);
    const int wordCount = ini.ReadInt(kProxyAuth, u"PasswordLength", 0);
    m_proxyPassword.clear();
    if (wordCount >= 0 && wordCount <= kMaxPasswordWords) {
        std::vector<int> words(size_t(wordCount), 0);
        for (int i = 0; i < wordCount; ++i)
            words[size_t(i)] = ini.ReadInt(kProxyAuth, PasswordKey(i), 0);
        if (const auto password = UnscramblePasswordText(words))
            m_proxyPassword = *password;
    }

    m_proxyAddress = ini.ReadString(kGeneral, u"CDDDProxyAddress", m_proxyAddress);

    m_borderLineColour =
        unsigned(ini.ReadInt(kDefault, u"borderlinecolor", int(m_borderLineColour)));
    m_borderLineStyle = ini.ReadInt(kDefault, u"borderlinestyle", m_borderLineStyle);
    m_printDisc = ini.ReadInt(kDefault, u"printdisc", m_printDisc);
    m_printFrontInside = ini.ReadInt(kDefault, u"printfrontinside", m_printFrontInside);
    m_printBack = ini.ReadInt(kDefault, u"printback", m_printBack);
    m_printBorder = ini.ReadInt(kDefault, u"printborder", m_printBorder);
}

ProxySettings AppSettings::ForProxy() const {
    ProxySettings proxy;
    proxy.use = m_useProxy != 0;
    proxy.host = m_proxyAddress;
    proxy.port = m_proxyPort;
    proxy.useAuthentication = m_useProxyAuthentication != 0;
    proxy.user = m_proxyUserName;
    proxy.password = m_proxyPassword;
    return proxy;
}

CddbSettings AppSettings::ForCddb() const {
    CddbSettings cddb;
    cddb.server = m_cddbServer;
    cddb.port = m_cddbPort;
    cddb.userEmail = m_user.trimmed();
    cddb.proxy = ForProxy();
    cddb.requestTimeoutMs = m_cddbTimeout * 1000;
    return cddb;
}

MusicBrainzSettings AppSettings::ForMusicBrainz() const {
    MusicBrainzSettings mb;
    mb.server = m_musicBrainzServer.trimmed();
    mb.port = m_musicBrainzPort;
    mb.coverArtServer = m_coverArtServer.trimmed();
    // The service asks for a way to reach the program's makers: the support
    // file's home page, which packagers set to their own.
    const QString homepage =
        IniDocument::Load(m_programFolder + QStringLiteral("/lumvanesupport.ini"))
            .ReadString(u"support", u"homepage", QString(), 255)
            .trimmed();
    if (!homepage.isEmpty())
        mb.contact = homepage;
    mb.proxy = ForProxy();
    mb.requestTimeoutMs = m_cddbTimeout * 1000;
    return mb;
}

bool AppSettings::SaveSettings(QString* error) const {
    // Every key is set in memory and the file written once, through a
    // temporary file: the result is what writing key by key would give.
    IniDocument ini = IniDocument::Load(m_settingsFile.Path());
    ini.WriteString(kGeneral, u"User", m_user);
    ini.WriteString(kGeneral, u"CDDDProxyAddress", m_proxyAddress);
    ini.WriteInt(kGeneral, u"CDBBUseProxy", m_useProxy);
    ini.WriteInt(kGeneral, u"CDBBUseAuthentication", m_useProxyAuthentication);
    ini.WriteInt(kGeneral, u"CDBBProxyPort", m_proxyPort);
    ini.WriteString(kGeneral, u"CDDBServer", m_cddbServer);
    ini.WriteInt(kGeneral, u"CDDBPort", m_cddbPort);
    ini.WriteInt(kGeneral, u"CDDBTimeout", m_cddbTimeout);
    ini.WriteString(kGeneral, u"MusicBrainzServer", m_musicBrainzServer);
    ini.WriteInt(kGeneral, u"MusicBrainzPort", m_musicBrainzPort);

    ini.WriteInt(kMainWindow, u"Left", m_mainLeft);
    ini.WriteInt(kMainWindow, u"Top", m_mainTop);
    ini.WriteInt(kMainWindow, u"Width", m_mainWidth);
    ini.WriteInt(kMainWindow, u"Height", m_mainHeight);

    ini.WriteInt(kPrint, u"Offset_X", m_printOffsetX);
    ini.WriteInt(kPrint, u"Offset_Y", m_printOffsetY);
    ini.WriteInt(kPrint, u"Expand Width", m_printExpandWidth);
    ini.WriteInt(kPrint, u"Expand Height", m_printExpandHeight);

    ini.WriteString(kProxyAuth, u"UserName", m_proxyUserName);
    QByteArray password = m_proxyPassword.toUtf8();
    if (password.size() > kMaxPasswordLength)
        password.clear(); // more than the record holds: store none rather than a cut one
    const std::vector<int> words = ScramblePassword(password, TickCount());
    ini.WriteInt(kProxyAuth, u"PasswordLength", int(words.size()));
    for (size_t i = 0; i < words.size(); ++i)
        ini.WriteInt(kProxyAuth, PasswordKey(int(i)), words[i]);

    ini.WriteInt(kDefault, u"borderlinecolor", int(m_borderLineColour));
    ini.WriteInt(kDefault, u"borderlinestyle", m_borderLineStyle);
    ini.WriteInt(kDefault, u"printdisc", m_printDisc);
    ini.WriteInt(kDefault, u"printfrontinside", m_printFrontInside);
    ini.WriteInt(kDefault, u"printback", m_printBack);
    ini.WriteInt(kDefault, u"printborder", m_printBorder);

    ini.WriteString(kLabelStock, u"Disc", m_discStockPath);
    ini.WriteString(kLabelStock, u"FrontInside", m_frontStockPath);
    ini.WriteString(kLabelStock, u"Back", m_backStockPath);
    // The installed layout's settings folder may not exist yet.
    QDir().mkpath(QFileInfo(m_settingsFile.Path()).absolutePath());
    return ini.Save(m_settingsFile.Path(), error);
}

DocumentSettings AppSettings::ForDocument() const {
    return DocumentSettings{m_discStockPath,    m_frontStockPath, m_backStockPath, m_printDisc,
                            m_printFrontInside, m_printBack,      m_printBorder};
}

PrintSettings AppSettings::ForPrinting() const {
    PrintSettings print;
    print.offsetX = m_printOffsetX;
    print.offsetY = m_printOffsetY;
    print.expandWidth = m_printExpandWidth;
    print.expandHeight = m_printExpandHeight;
    print.borderColour = m_borderLineColour;
    print.borderStyle = m_borderLineStyle;
    return print;
}
