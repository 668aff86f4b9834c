#pragma once

#include <QString>

#include <cdio/cdio.h>

#include <memory>

struct CdioCloser {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

// Silences libcdio's own log lines (on stderr), once per process: callers
// report failures in their own words.
void QuietCdioLogging();

// Opens the system's default drive when `source` is empty, else the device or
// disc image it names (libcdio picks the driver: device, cue sheet, cdrdao
// toc, Nero image). libcdio's own log lines are silenced: callers report the
// failure. On failure `error` gets a one-line reason.
CdioHandle OpenCdioSource(const QString& source, QString* error);
