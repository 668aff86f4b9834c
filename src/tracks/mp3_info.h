#pragma once

#include "tracks/album_data.h"

#include <QByteArrayView>
#include <QString>

// What the MP3 reader learns of one file: the ID3 version 1 tag and, from the
// MPEG audio frame headers, the duration and the average bit rate.
struct CMp3Info {
    enum Flag { kHasTag = 1, kHasFrames = 2 };

    QString path;
    QString title; // tag texts of up to 30 bytes
    QString artist;
    QString album;
    QString year; // 4 bytes
    QString comment;
    int track = 255; // 255 when absent
    int genre = 255;
    int flags = 0;
    int durationSeconds = 0;
    int averageBitRate = 0; // kbit/s
};

// Reads `path`; false only when the file cannot be opened.
bool ReadMp3Info(const QString& path, CMp3Info& info);

// The same on bytes already in memory (the whole file).
void ParseMp3Bytes(QByteArrayView file, CMp3Info& info);

// The track list row of a read file: tag artist and title (the file name
// without its extension when the tag has no title), and the duration as
// minutes and seconds, minutes unbounded.
TrackEntry Mp3TrackRow(const CMp3Info& info);
