#pragma once

#include <QSize>
#include <QString>

// The remembered sizes of a sizable bar, one per way it can be shown: docked
// along the top or bottom, docked along a side, floating. They live in the
// settings file, in the section "SCBar-<control id>".
struct BarSizes {
    QSize horizontal{435, 60};
    QSize vertical{250, 500};
    QSize floating{500, 200};

    bool operator==(const BarSizes&) const = default;
};

// The control ids of the two sizable bars, which name their sections.
inline constexpr int kArtGalleryBarId = 121;
inline constexpr int kObjectPropertiesBarId = 125;

class IniDocument;

// Reads the sizes of bar `barId`; missing keys keep their defaults.
BarSizes ReadBarSizes(const IniDocument& ini, int barId);
BarSizes ReadBarSizes(const QString& iniPath, int barId);
// Sets all six sizes of bar `barId` as decimal text, keeping the rest of the
// file; the path form loads and saves the file around it.
void WriteBarSizes(IniDocument& ini, int barId, const BarSizes& sizes);
bool WriteBarSizes(const QString& iniPath, int barId, const BarSizes& sizes);
