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

    // Adds queue `name` with driver `model` (an lpinfo -m name) on a device
    // that discards its output. The queue accepts jobs but is stopped, so
    // each job stays on the server with its options and the document it
    // received (the server also keeps the files of finished jobs).
    bool AddHeldQueue(const QString& name, const QString& model, QString* why);
    // The document job `id` received (the server's spool file).
    QString JobDocument(int id) const;

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    int m_port = 0;
};
