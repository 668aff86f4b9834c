#pragma once

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
