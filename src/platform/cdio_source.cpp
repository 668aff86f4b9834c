#include "cdio_source.h"

#include <QFile>

#include <cdio/logging.h>

namespace {

void QuietCdioLog(cdio_log_level_t, const char*) {
}

} // namespace

void QuietCdioLogging() {
    static const bool quiet = (cdio_log_set_handler(QuietCdioLog), true);
    (void)quiet;
}

CdioHandle OpenCdioSource(const QString& source, QString* error) {
    QuietCdioLogging();
    const QByteArray name = QFile::encodeName(source);
    CdioHandle cd(source.isEmpty() ? cdio_open(nullptr, DRIVER_DEVICE)
                                   : cdio_open(name.constData(), DRIVER_UNKNOWN));
    if (!cd && error != nullptr)
        *error = source.isEmpty()
                     ? QStringLiteral("no CD drive could be opened")
                     : QStringLiteral("%1: cannot open the CD drive or disc image").arg(source);
    return cd;
}
