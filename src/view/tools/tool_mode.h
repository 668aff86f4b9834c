#pragma once

// The view's drawing tools; the values are the tool modes of the editing
// view (kCircularText is current only while that command runs).
enum class ToolMode : int {
    kSelect = 0,
    kRectangle = 1,
    kRoundRectangle = 2,
    kEllipse = 3,
    kDiamond = 4,
    kText = 5,
    kCircularText = 6,
    kImage = 7,
};

inline constexpr int kToolModeCount = 8;

// The tool mode as an index into per-tool tables.
constexpr int ToolIndex(ToolMode mode) {
    return static_cast<int>(mode);
}
