#pragma once

#include "view/editing_geometry.h"

#include <ostream>

// Rectangles in failure messages.
inline void PrintTo(const ObjectRect& r, std::ostream* os) {
    *os << "{x " << r.x << ", y " << r.y << ", w " << r.width << ", h " << r.height << "}";
}
