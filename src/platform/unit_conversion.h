#pragma once

#include <QPoint>

// A rectangle in logical units (hundredths of a millimetre, y up), edges as
// given: right and bottom are not adjusted.
struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Conversion between logical units (0.01 mm, y up) and device pixels (y
// down), as a metric mapping with its origin at the top-left corner does it:
// `pixels` device pixels per `units` logical units, each result rounded to
// the nearest pixel or unit with halves away from zero. The default is 96
// pixels per inch (2540 units).
struct UnitConversion {
    int pixels = 96;
    int units = 2540;

    static int MulDivRound(int value, int num, int den);

    int UnitsToPixels(int v) const { return MulDivRound(v, pixels, units); }
    int PixelsToUnits(int v) const { return MulDivRound(v, units, pixels); }
    QPoint LogicalToDevice(QPoint p) const { return {UnitsToPixels(p.x()), -UnitsToPixels(p.y())}; }
    QPoint DeviceToLogical(QPoint p) const { return {PixelsToUnits(p.x()), -PixelsToUnits(p.y())}; }
};

inline int UnitConversion::MulDivRound(int value, int num, int den) {
    const long long product = static_cast<long long>(value) * num;
    const long long half = den / 2;
    const long long q = product >= 0 ? (product + half) / den : -((-product + half) / den);
    return static_cast<int>(q);
}
