#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Reading files whose name comes from the user. Only regular files are read:
// a FIFO would block forever and a device such as /dev/zero never ends, so
// both are refused before any byte is read. Whole-file reads stop at a limit
// that fits the kind of file, and running out of memory becomes the file's
// error message instead of an abort. Messages name the file (DisplayPath)
// and the system's reason.

// Limits on the whole-file reads, by kind of file.
inline constexpr qint64 kProjectFileLimit = qint64(1) << 30; // projects and layouts
inline constexpr qint64 kPictureFileLimit = qint64(1) << 30;
inline constexpr qint64 kPlaylistFileLimit = qint64(16) << 20;
inline constexpr qint64 kJsonFileLimit = qint64(16) << 20;
inline constexpr qint64 kSettingsFileLimit = qint64(1) << 20;
inline constexpr qint64 kLabelStockFileLimit = qint64(1) << 20;

// Opens `path` (see native_path.h) for reading into `file` when it is a
// regular file; false with a message in `error` otherwise.
bool OpenRegularFile(const QString& path, QFile& file, QString* error);

// True, with the reason in `error`, when `path` names something that exists
// but is not a regular file (a FIFO, a device, a folder); for inputs handed
// on to code that would otherwise skip them without a word.
bool IsSpecialFile(const QString& path, QString* error);

// The whole of the regular file `path` when it holds at most `limit` bytes.
bool ReadFileBounded(const QString& path, qint64 limit, QByteArray* bytes, QString* error);

// Why a file of the stat(2) mode `mode` is not read or replaced: "is a
// pipe, not a regular file", "is a folder, not a file", ...
QString NotRegularFileText(unsigned mode);

// "<path>: <what>: <the system's reason for errno `code`>".
QString FileErrorText(const QString& path, const QString& what, int code);
