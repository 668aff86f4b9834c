#pragma once

#include <QString>

#include <vector>

// A position or length on an audio CD in minutes, seconds and frames; a
// second has 75 frames.
struct MsfTime {
    int minutes = 0;
    int seconds = 0;
    int frames = 0;

    int TotalFrames() const { return minutes * 4500 + seconds * 75 + frames; }
    static MsfTime FromFrames(int totalFrames) {
        return MsfTime{totalFrames / 4500, totalFrames / 75 % 60, totalFrames % 75};
    }
    bool operator==(const MsfTime&) const = default;
};

// The start of each track in track order, then the lead-out (the end of the
// last track). All positions are absolute: the first track of a normal disc
// starts at 0:02:00, after the two-second lead-in.
using DiscToc = std::vector<MsfTime>;

// The CD audio drive to read: the device or disc image (.cue, .toc, .nrg)
// named by the environment variable LUMVANE_CDROM, or empty for the system's
// default drive.
QString CdAudioSource();

// Reads the table of contents of `source` (see CdAudioSource). Fails when no
// drive or image opens, the disc holds no tracks or no audio track, or any
// position cannot be read; `error` then says why.
bool ReadCdAudioToc(const QString& source, DiscToc& toc, QString* error = nullptr);
