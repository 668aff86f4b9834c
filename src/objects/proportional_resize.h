#pragma once

// Resizing that keeps an object's proportions: the rule every object whose
// KeepsAspectRatio() answers yes follows, on its handles and in its property
// panel. Rectangles are in face units: x, y of the top-left corner, a
// positive width and a negative height.

// An object's rectangle.
struct ObjectRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ObjectRect&, const ObjectRect&) = default;
};

// The rectangle an object saved as `saved` gets when its resize handle
// `handle` (0-7 clockwise from the top-left corner) is dragged by (dx, dy)
// face units, `current` when the drag would leave it narrower than 2 units or
// shallower than 2. The mouse sets one side: the height for the top handles
// (0, 1, 2) and the bottom one (5), the width for the right (3, 4) and left
// (6, 7) ones; the other side follows in proportion, rounded to the nearest
// unit. The object stays anchored at the opposite side: handles 0 and 1 keep
// the bottom-right corner, 2 the bottom-left, 3, 4 and 5 the top-left, 6 and 7
// the top-right. A degenerate saved rectangle has no proportions to keep; it
// follows the mouse on the dragged side only.
ObjectRect ProportionalResize(const ObjectRect& current, const ObjectRect& saved, int handle,
                              int dx, int dy);

// The length of the other side when one side of a `fromSide` × `otherSide`
// rectangle becomes `side` (all positive), rounded to the nearest unit;
// `otherSide` when `fromSide` is not positive.
int ProportionalSide(int side, int fromSide, int otherSide);
