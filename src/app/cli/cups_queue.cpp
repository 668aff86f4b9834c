#include "cups_queue.h"

#include <QTemporaryFile>

#include <cups/cups.h>

bool PrintPdfToQueue(const QByteArray& pdf, const QString& queue, const QString& title,
                     QSizeF paperMm, QString* error) {
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush()) {
        *error = QStringLiteral("cannot write the print job to a temporary file (%1)")
                     .arg(file.errorString());
        return false;
    }
    const QByteArray name = queue.toUtf8();
    const QByteArray path = file.fileName().toLocal8Bit();
    const QByteArray jobTitle = title.toUtf8();
    cups_option_t* options = nullptr;
    int optionCount = cupsAddOption("document-format", CUPS_FORMAT_PDF, 0, &options);
    // Without these the server fits the page to its default paper.
    const QByteArray media = QStringLiteral("Custom.%1x%2mm")
                                 .arg(paperMm.width(), 0, 'g', 6)
                                 .arg(paperMm.height(), 0, 'g', 6)
                                 .toLatin1();
    optionCount = cupsAddOption("media", media.constData(), optionCount, &options);
    optionCount = cupsAddOption("print-scaling", "none", optionCount, &options);
    optionCount = cupsAddOption("fit-to-page", "false", optionCount, &options);
    const int job = cupsPrintFile(name.constData(), path.constData(), jobTitle.constData(),
                                  optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job <= 0) {
        *error = QStringLiteral("printer \"%1\": %2")
                     .arg(queue, QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    return true;
}

bool ForgetCupsError() {
    // Any request that succeeds sets the last error to "OK".
    cups_dest_t* dests = nullptr;
    cupsFreeDests(cupsGetDests2(CUPS_HTTP_DEFAULT, &dests), dests);
    return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

bool CupsRefusedLastJob(QString* reason) {
    if (cupsLastError() <= IPP_STATUS_OK_CONFLICTING)
        return false;
    *reason = QString::fromUtf8(cupsLastErrorString());
    return true;
}
