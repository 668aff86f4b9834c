#pragma once

#include <QString>

struct LabelStock;

// A stock printed straight onto a printable disc in an inkjet printer's disc
// tray says "feed=disc tray" in [general]: its sheet is the printer driver's
// disc page and the disc goes through the tray, not the paper path. Any other
// "feed" (or none) is paper. Readers that do not know the key ignore it.
inline const QString kDiscTrayFeed = QStringLiteral("disc tray");

bool IsDiscTrayStock(const QString& path);
// The record's file, when it gave a usable label.
bool IsDiscTrayStock(const LabelStock& stock);
