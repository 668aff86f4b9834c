#pragma once

#include "document/discwright_doc.h"
#include "document/print_plan.h"
#include "platform/app_places.h"
#include "platform/ini_document.h"
#include "tracks/cddb_types.h"
#include "tracks/musicbrainz_types.h"
#include "tracks/proxy_settings.h"

#include <QString>

// The program's settings, kept in "lumvanesetup.ini" in the program folder
// (portable) or in $XDG_CONFIG_HOME/lumvane (installed; see AppPlaces).
// One record lives for the whole run; the settings dialog, the label stock
// chooser and the main window change it and SaveSettings() writes it back.
struct AppSettings {
    // Builds the record with its defaults for the given places: the default
    // label stocks are the shipped plain-paper ones found in the data folders.
    explicit AppSettings(const AppPlaces& places);
    // The portable layout of a program whose executable lies in the folder.
    explicit AppSettings(const QString& executableFolder);

    void LoadSettings();
    // False with the system's reason in `error` (when given) if the file
    // could not be written; the old file is then left as it was.
    bool SaveSettings(QString* error = nullptr) const;

    // The values a new document takes (label stocks and print choices).
    DocumentSettings ForDocument() const;
    // The printer alignment and the look of borders a print job uses.
    PrintSettings ForPrinting() const;
    // The proxy both lookups go through.
    ProxySettings ForProxy() const;
    // What a CDDB lookup needs: server, proxy and the request's time limit.
    CddbSettings ForCddb() const;
    // What a MusicBrainz lookup needs: server, cover server, contact for the
    // User-Agent (the support file's home page), proxy and time limit.
    MusicBrainzSettings ForMusicBrainz() const;

    QString m_user; // also the e-mail address given to CDDB servers
    QString m_proxyUserName;
    QString m_proxyPassword; // at most 79 characters
    int m_useProxyAuthentication = 0;
    int m_proxyPort = 80;
    QString m_proxyAddress;
    int m_useProxy = 0;
    QString m_cddbServer = QStringLiteral("gnudb.gnudb.org");
    int m_cddbPort = 80;
    int m_cddbTimeout = kDefaultCddbTimeoutSeconds; // the whole of one request, in seconds
    QString m_musicBrainzServer = MusicBrainzSettings().server;
    int m_musicBrainzPort = MusicBrainzSettings().port;
    QString m_coverArtServer = MusicBrainzSettings().coverArtServer; // a base address
    QString m_programFolder;
    QStringList m_dataFolders; // where label stocks are looked up, in order
    IniFile m_settingsFile;
    int m_mainLeft = 30;
    int m_mainTop = 30;
    int m_mainWidth = 750;
    int m_mainHeight = 500;
    int m_printOffsetX = 0; // millimetres
    int m_printOffsetY = 0;
    int m_printExpandWidth = 0;
    int m_printExpandHeight = 0;
    unsigned m_borderLineColour = 0; // 0x00BBGGRR
    int m_borderLineStyle = 0;       // 0 solid, 1 dashed
    int m_printDisc = 1;
    int m_printFrontInside = 1;
    int m_printBack = 1;
    int m_printBorder = 0;
    QString m_discStockPath;
    QString m_frontStockPath;
    QString m_backStockPath;
};
