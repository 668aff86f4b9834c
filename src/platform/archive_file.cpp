#include "archive_file.h"

#include "file_reading.h"

bool ReadWholeFileBytes(const QString& path, QByteArray* bytes, QString* error) {
    return ReadFileBounded(path, kProjectFileLimit, bytes, error);
}
