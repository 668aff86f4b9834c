#pragma once

#include "platform/atomic_file.h"

#include <QByteArray>
#include <QString>

// Whole files for archives. Writing goes through WriteFileAtomically
// (atomic_file.h): a failed save leaves the previous file as it was. Reading
// takes regular files of at most 1 GiB only. Errors name the file and the cause.
bool ReadWholeFileBytes(const QString& path, QByteArray* bytes, QString* error);
