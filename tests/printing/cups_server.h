#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real CUPS print server for one test: cupsd in the foreground on its own
// port of 127.0.0.1 with a temporary configuration, and a queue "q" on the
// file: backend whose jobs land in JobFile(). Stopped when destroyed. Needs
// to be started as root (cupsd runs its jobs as lp).
class CupsServer {
public:
    CupsServer();
    ~CupsServer();

    // False with `why` set when the server or its queue could not be set up.
    bool Start(QString* why);
    // "127.0.0.1:PORT", for CUPS_SERVER.
    QString Address() const;
    QString JobFile() const { return m_dir.filePath(QStringLiteral("out/job")); }
    // Waits until the queue has written a job; its bytes, or empty on timeout.
    QByteArray WaitForJob(int timeoutMs = 60000) const;

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    int m_port = 0;
};
