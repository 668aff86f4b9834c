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

// The printer dialog's jobs go to CUPS inside Qt, which drops the server's
// answer. ForgetCupsError() before a job and CupsRefusedLastJob() after it
// tell whether the server refused it (`reason` gets the server's words).
// ForgetCupsError() is false when the server cannot be asked at all.
bool ForgetCupsError();
bool CupsRefusedLastJob(QString* reason);
