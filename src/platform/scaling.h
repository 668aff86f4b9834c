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

// a + b clamped to the int range: object fields come from files and may be absurd.
inline int AddClamped(long long a, long long b) {
    const long long sum = a + b;
    return sum > 2147483647LL    ? 2147483647
           : sum < -2147483648LL ? -2147483647 - 1
                                 : static_cast<int>(sum);
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
