#pragma once

#include <QString>
#include <QStringList>

// Music files made by the real encoders (flac, oggenc, opusenc, lame,
// ffmpeg) from one second of silence, for the tag import tests.

enum class Encoder { Flac, Vorbis, Opus, Mp3, M4a, Aac, Aiff, Wma };

// The tags to write; empty texts and zero numbers are left out.
struct EncoderTags {
    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    QString year;
    int track = 0;
    int disc = 0;
};

// Encodes one second of silence into `path` with `tags` and, when `cover`
// names a picture file, that picture as the front cover. Fails the test
// (and returns false) when the encoder is missing or fails.
bool EncodeMusic(Encoder encoder, const QString& path, const EncoderTags& tags = {},
                 const QString& cover = {});

// A 16x16 picture file of one colour (its format from the extension).
void WritePictureFile(const QString& path, Qt::GlobalColor colour);
