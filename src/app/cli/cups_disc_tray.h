#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A CUPS queue's disc tray as the queue reports it through the destination
// API: the square disc page that matches a disc-tray stock's sheet and the
// media source that feeds the tray. Drivers know the tray under their own
// names; CUPS maps the IPP names sent with the job back to them.
struct DiscTray {
    QString queue;
    QString media;       // the disc page's IPP media name
    QString mediaSource; // the tray, "cd" or a source named after discs
    QSizeF pageMm;       // the disc page
    // The driver's option that prints down to the hub, when its PPD has one,
    // and the hub it leaves blank without it (millimetres across; 0 unknown).
    QString printToHubOption;
    QString printToHubChoice;
    double normalHubMm = 0;
};

// Asks `queue` for a disc page within 1 mm of `paperMm` (square) and a disc
// tray source. False with `error` set to "QUEUE has no disc tray" (or
// "there is no printer QUEUE") when it has none; nothing is sent.
bool FindDiscTray(const QString& queue, QSizeF paperMm, DiscTray* tray, QString* error);

// The queues of the server that have a disc tray for `paperMm`, by name.
QStringList QueuesWithDiscTray(QSizeF paperMm);

// The job options a disc-tray job sends: the disc page, the tray, no
// scaling, and the print-to-hub choice when the stock's hole (`holeMm`
// across) is smaller than the driver's normal hub.
QList<QPair<QByteArray, QByteArray>> DiscTrayJobOptions(const DiscTray& tray, double holeMm);

// Sends `pdf` (one page per disc) as one job on the tray. False with `error`
// naming the queue and the server's reason when the job is refused;
// `jobId` gets the job's number.
bool PrintPdfOnDiscTray(const QByteArray& pdf, const DiscTray& tray, double holeMm,
                        const QString& title, int* jobId, QString* error);
