#pragma once

#include "tracks/album_data.h"

#include <QByteArray>
#include <QString>

#include <ostream>

// Readable rows in failure messages.
inline void PrintTo(const TrackEntry& row, std::ostream* out) {
    *out << '{' << row.artist.toStdString() << ", " << row.title.toStdString() << ", "
         << row.playTime.toStdString() << '}';
}

// Hand-made music files for the import tests.

// `count` MPEG audio frames with the 4-byte `header` (big-endian), each
// `frameLength` bytes long (header, then zeros).
QByteArray Mp3Frames(quint32 header, int count, int frameLength);

// A 128-byte ID3 version 1 tag; `track` < 0 writes a 30-byte comment instead.
QByteArray Id3v1Tag(const QByteArray& title, const QByteArray& artist, int track = -1,
                    const QByteArray& comment = "comment");

// Writes `head` at the start of `path`, sizes the file to `size` (sparse
// zeros) and writes `tail` at its end.
void WriteSparseFile(const QString& path, const QByteArray& head, qint64 size,
                     const QByteArray& tail = {});

// A PCM WAV file of mono 8-bit samples at `sampleRate`, `seconds` long.
void WriteWav(const QString& path, int sampleRate, qint64 seconds);

// A minimal M4A (MPEG-4 audio) file whose audio track lasts `milliseconds`.
void WriteM4a(const QString& path, quint32 milliseconds);
