#pragma once

#include <QPoint>

#include <vector>

class CDeviceContext;

// Pieces of the selection frames, drawn in device pixels on a pixel-mapped
// context (the view's back buffer).

// Which of the two dash patterns a frame edge uses: the top and right edges
// run with the animation step, the bottom and left edges (and the line to a
// circular text's centre) against it.
enum class DashPhase { WithStep, AgainstStep };

// A black-and-white dotted line from a to b (b left out): a pixel (x, y) is
// black when (x + y + step) mod 6 > 2, or (x + y - step) mod 6 > 2 against the
// step, the sums taken as unsigned 32-bit numbers.
void DrawAnimatedLine(CDeviceContext& dc, QPoint a, QPoint b, unsigned step, DashPhase phase);

// Inverts the 6 x 6 pixels from (cx - 3, cy - 3) to (cx + 2, cy + 2) around each centre.
void InvertHandles(CDeviceContext& dc, const std::vector<QPoint>& centres);
