#pragma once

#include <QByteArray>
#include <QString>

// Whole files for archives. Writing goes through a temporary file in the same
// folder that replaces the target only once every byte is on disk, so a failed
// save leaves the previous file as it was. Errors name the file and the cause.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);
bool ReadWholeFileBytes(const QString& path, QByteArray* bytes, QString* error);
