#pragma once

#include <QString>

// The HTTP proxy the lookups (CDDB and MusicBrainz) go through, as the
// settings give it: one record for both services.
struct ProxySettings {
    bool use = false;
    QString host;
    int port = 80;
    bool useAuthentication = false;
    QString user;
    QString password;

    // True when requests go through the proxy: asked for, and with a host.
    bool Active() const { return use && !host.isEmpty(); }
    // True when the proxy is given the user's name and password.
    bool Authenticates() const { return Active() && useAuthentication; }
};
