#pragma once

#include <QByteArray>
#include <QString>

// Hands a PDF to a CUPS queue (the server of CUPS_SERVER or the client
// configuration). False with `error` naming the queue and CUPS's reason.
bool PrintPdfToQueue(const QByteArray& pdf, const QString& queue, const QString& title,
                     QString* error);
