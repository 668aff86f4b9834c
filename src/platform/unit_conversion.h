#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>

// Conversion between hundredths of a millimetre (the document's unit) and device
// pixels at a fixed resolution. The screen is taken as 96 pixels per inch, so
// one pixel is 2540 / 96 = 26.458 units. Like the Windows metric mapping, each
// value is scaled and rounded to the nearest integer, halves away from zero, so
// converting a negative value gives the negative of converting its magnitude.
class UnitConversion {
public:
    static constexpr int kScreenPixelsPerInch = 96;
    static constexpr int kUnitsPerInch = 2540;

    constexpr explicit UnitConversion(int pixelsPerInch = kScreenPixelsPerInch)
        : m_pixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : kScreenPixelsPerInch) {}

    int PixelsPerInch() const { return m_pixelsPerInch; }

    // Lengths (no axis flip).
    int UnitsToPixels(int64_t units) const { return Scale(units, m_pixelsPerInch, kUnitsPerInch); }
    int PixelsToUnits(int64_t pixels) const {
        return Scale(pixels, kUnitsPerInch, m_pixelsPerInch);
    }

    // Points of the metric mapping (y up) to device pixels (y down) and back,
    // with the logical origin at the device's top-left pixel.
    QPoint LogicalToDevice(QPoint p) const { return {UnitsToPixels(p.x()), -UnitsToPixels(p.y())}; }
    QPoint DeviceToLogical(QPoint p) const { return {PixelsToUnits(p.x()), -PixelsToUnits(p.y())}; }

    // Sizes keep their signs: the device-to-logical conversion of a size.
    QSize DeviceToLogicalSize(QSize s) const {
        return {PixelsToUnits(s.width()), PixelsToUnits(s.height())};
    }

    // Rounded value * num / den, halves away from zero, clamped to int.
    static int Scale(int64_t value, int64_t num, int64_t den) {
        const bool negative = value < 0;
        const int64_t magnitude = negative ? -value : value;
        int64_t result = (magnitude * num + den / 2) / den;
        if (result > INT32_MAX)
            result = INT32_MAX;
        return negative ? -static_cast<int>(result) : static_cast<int>(result);
    }

private:
    int m_pixelsPerInch;
};

// Multiplies a document coordinate by a single-precision scale factor and
// truncates toward zero, as every object does when it zooms a coordinate.
// Products beyond the int range (and NaN) are clamped rather than undefined.
inline int ScaleCoordinate(int value, float factor) {
    const float product = static_cast<float>(value) * factor;
    if (!(product == product))
        return 0;
    if (product >= 2147483520.0f)
        return 2147483520;
    if (product <= -2147483520.0f)
        return -2147483520;
    return static_cast<int>(product);
}

// Truncation of a double toward zero with the same clamping.
inline int TruncateToInt(double value) {
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}
