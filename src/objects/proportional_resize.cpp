#include "proportional_resize.h"

#include "platform/scaling.h"

#include <algorithm>
#include <cstdint>

namespace {

int Add(long long a, long long b) {
    return AddClamped(a, b);
}

} // namespace

int ProportionalSide(int side, int fromSide, int otherSide) {
    if (fromSide <= 0)
        return otherSide;
    // Half away from zero in 64 bits: sides are at most 2^31, so the product fits.
    const int64_t product = int64_t(side) * otherSide;
    const int64_t rounded = (2 * product + (product < 0 ? -fromSide : fromSide)) / (2 * fromSide);
    return int(std::clamp<int64_t>(rounded, INT32_MIN, INT32_MAX));
}

ObjectRect ProportionalResize(const ObjectRect& current, const ObjectRect& s, int handle, int dx,
                              int dy) {
    if (handle < 0 || handle > 7)
        return current;
    const int width = s.width;
    const int depth = int(std::min<long long>(-static_cast<long long>(s.height), INT32_MAX));
    const bool byHeight = handle == 0 || handle == 1 || handle == 2 || handle == 5;
    // The side the mouse sets.
    int newWidth = width, newDepth = depth;
    switch (handle) {
    case 0:
    case 1:
    case 2:
        newDepth = Add(depth, dy);
        break;
    case 5:
        newDepth = Add(depth, -static_cast<long long>(dy));
        break;
    case 3:
    case 4:
        newWidth = Add(width, dx);
        break;
    default: // 6, 7
        newWidth = Add(width, -static_cast<long long>(dx));
        break;
    }
    // The other side in proportion, when there are proportions to keep.
    if (width > 0 && depth > 0) {
        if (byHeight)
            newWidth = ProportionalSide(newDepth, depth, width);
        else
            newDepth = ProportionalSide(newWidth, width, depth);
    }
    if (newWidth <= 1 || newDepth <= 1)
        return current;
    ObjectRect r = current;
    r.width = newWidth;
    r.height = -newDepth;
    r.x = s.x;
    r.y = s.y;
    // Anchors: the top moves for the top handles, the left for 0, 1, 6, 7.
    if (handle == 0 || handle == 1 || handle == 2)
        r.y = Add(Add(s.y, s.height), newDepth);
    if (handle == 0 || handle == 1 || handle == 6 || handle == 7)
        r.x = Add(Add(s.x, s.width), -static_cast<long long>(newWidth));
    return r;
}
