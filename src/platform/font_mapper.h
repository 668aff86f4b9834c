#pragma once

#include "logfont.h"

#include <QFont>

#include <optional>

// A font made from a LOGFONTA record for one device: the Qt font at the pixel
// size that gives the record's cell height, and the baseline angle.
struct DeviceFont {
    QFont font;
    int escapement = 0; // tenths of a degree, counter-clockwise
};

// Largest cell height, in device pixels, a font may have; larger requests fail
// like a font the system cannot create.
inline constexpr int kMaxFontPixels = 16384;

// Maps a record whose lfHeight is already in device pixels. The face name goes
// through fontconfig, so "Arial" finds a metric-compatible face. Positive
// heights are cell heights (ascent plus descent), negative ones character
// heights (the em size); 0 asks for a default size. Fails (no value) when the
// record cannot give a font: an absurd height or an unterminated face name.
std::optional<DeviceFont> MapLogFont(const LOGFONTA& record, int heightPixels);
