#include "cdio_source.h"

#include <QFile>

#include <cdio/logging.h>

namespace {

// libcdio reports its own troubles on stderr; the caller reports ours.
void QuietCdioLog(cdio_log_level_t, const char*) {
}

} // namespace

CdioHandle OpenCdioSource(const QString& source, QString* error) {
    static const bool quiet = (cdio_log_set_handler(QuietCdioLog), true);
    (void)quiet;
    const QByteArray name = QFile::encodeName(source);
    CdioHandle cd(source.isEmpty() ? cdio_open(nullptr, DRIVER_DEVICE)
                                   : cdio_open(name.constData(), DRIVER_UNKNOWN));
    if (!cd && error != nullptr)
        *error = source.isEmpty()
                     ? QStringLiteral("no CD drive could be opened")
                     : QStringLiteral("%1: cannot open the CD drive or disc image").arg(source);
    return cd;
}
