#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// Title and performer as CD-TEXT gives them for the disc or one track.
struct CdTextEntry {
    QString title;
    QString performer;
    bool operator==(const CdTextEntry&) const = default;
};

// The CD-TEXT of a disc: the disc's own entry and one per track of the
// table of contents, in track order (empty texts where the disc has none).
struct CdText {
    CdTextEntry disc;
    std::vector<CdTextEntry> tracks;

    // Whether any title or performer is there at all.
    bool HasText() const;
};

// Reads the CD-TEXT of `source` (a device or a .cue/.toc/.nrg image, see
// CdAudioSource) for its `trackCount` tracks, through libcdio. Of several
// language blocks the first that holds any text is taken. False with `error`
// set when the drive or image does not open; a disc without CD-TEXT reads
// as true with HasText() false.
bool ReadCdText(const QString& source, int trackCount, CdText& text, QString* error = nullptr);

// The same on the raw text packs a drive hands out (18-byte packs, without
// the 4-byte header of the READ TOC reply), for tracks 1 .. `trackCount`.
// False when libcdio refuses the packs.
bool ParseCdTextPacks(QByteArrayView packs, int trackCount, CdText& text);
