#pragma once

#include <QString>

#include <map>

class IniDocument;

// The correction of one printer queue's disc tray, in tenths of a millimetre:
// positive moves the print right and down. Trays differ by a few tenths from
// printer to printer, so each queue keeps its own.
struct TrayCorrection {
    int horizontal = 0;
    int vertical = 0;
    bool operator==(const TrayCorrection&) const = default;
};

// By queue name (as CUPS spells it; matched exactly).
using TrayCorrections = std::map<QString, TrayCorrection>;

// The queue's correction; none (zeros) for a queue never corrected.
TrayCorrection TrayCorrectionOf(const TrayCorrections& corrections, const QString& queue);

// The settings file keeps each queue in a section of its own, "[Disc Tray
// QUEUE]", with the keys "Horizontal" and "Vertical".
QString TraySectionName(const QString& queue);
TrayCorrections ReadTrayCorrections(const IniDocument& ini);
// Writes every queue's section; a queue whose correction is zero keeps (or
// gets) zeros rather than losing its section, so the file says what was set.
void WriteTrayCorrections(IniDocument& ini, const TrayCorrections& corrections);

// The corrections kept in the settings file at `settingsPath` (none when it
// cannot be read).
TrayCorrections LoadTrayCorrections(const QString& settingsPath);
// Writes them into that file, keeping every other line of it; false with
// the system's reason in `error` when the file cannot be written.
bool SaveTrayCorrections(const QString& settingsPath, const TrayCorrections& corrections,
                         QString* error);
