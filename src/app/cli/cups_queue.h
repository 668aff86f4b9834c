#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

// Hands a PDF to a CUPS queue (the server of CUPS_SERVER or the client
// configuration) on paper of `paperMm` (the sheet's size in millimetres),
// unscaled, so the labels land where the PDF puts them. False with `error`
// naming the queue and CUPS's reason.
bool PrintPdfToQueue(const QByteArray& pdf, const QString& queue, const QString& title,
                     QSizeF paperMm, QString* error);
