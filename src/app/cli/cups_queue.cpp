#include "cups_queue.h"

#include <QTemporaryFile>

#include <cups/cups.h>

bool PrintPdfToQueue(const QByteArray& pdf, const QString& queue, const QString& title,
                     QString* error) {
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
    const int optionCount = cupsAddOption("document-format", CUPS_FORMAT_PDF, 0, &options);
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
