#pragma once

#include <QByteArray>
#include <QString>

// What the tags and audio properties of a music file say, as TagLib reads
// them (FLAC, Ogg Vorbis, Opus, MP4/M4A/AAC, AIFF, WAV, WMA, APE, MP3).
struct MusicFileTags {
    // The file was recognised as music: its audio properties could be read.
    bool recognised = false;
    // Any of title, artist or album is set.
    bool HasText() const { return !title.isEmpty() || !artist.isEmpty() || !album.isEmpty(); }

    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    QString year;  // as tagged, four digits when the tag gives a date
    int track = 0; // 0 when absent
    int disc = 0;  // 0 when absent
    qint64 lengthMs = 0;
    // The front cover picture's file bytes (JPEG, PNG, ...), empty when none.
    QByteArray cover;
};

// With `id3v2Only` the file is read as MPEG audio whatever its name, and only
// its ID3 version 2 tag counts (the caller reads version 1 itself): false
// when there is no such tag.
struct MusicTagOptions {
    bool id3v2Only = false;
};

// Reads the tags of `path`. False when the file cannot be opened or is no
// music file TagLib knows; FIFOs and devices are refused without opening.
bool ReadMusicFileTags(const QString& path, MusicFileTags& tags, MusicTagOptions options = {});
