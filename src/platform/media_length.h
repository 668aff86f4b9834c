#pragma once

#include <QString>

// The playing time of an audio or video file (wav, mp4, m4a and whatever else
// TagLib reads) in milliseconds, or 0 when the file cannot be read.
qint64 MediaLengthMs(const QString& path);
