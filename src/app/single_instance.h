#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one Lumvane window per user and program folder. The first process
// listens on a local socket; a later one hands it its file argument (so the
// running window raises itself and opens the file) and then ends quietly.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `programFolder` scopes the instance: a second copy of the program in
    // another folder has settings of its own and runs beside this one.
    explicit SingleInstance(const QString& programFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first; false when another one runs and has
    // been told to raise its window and open `fileToOpen` (may be empty).
    bool BecomePrimary(const QString& fileToOpen);

    const QString& ServerName() const { return m_serverName; }

Q_SIGNALS:
    // A later start asked this instance to come to the front and open a file.
    void ActivationRequested(const QString& fileToOpen);

private:
    bool NotifyPrimary(const QString& fileToOpen) const;
    void ReadRequest();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};
