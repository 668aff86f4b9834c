#pragma once

#include "editing_geometry.h"

#include <QPoint>

class CBaseObject;
class EditScope;
class EditingHost;

// Selection and keyboard editing of the active face that the mouse tools,
// the keyboard and the commands share. Each keeps the objects' selected
// flags, the face's selection list and the property bar in step; none of
// them records an undo step.
//
// A click or a rubber band rebuilds the selection list topmost first.
// Without `additive` (Shift) they first clear the selection. Selected
// objects get their rectangle saved, the reference for dragging them.

// Selects the topmost object under the page point (pixels from the face's
// top-left corner) and shows it in the property bar. When nothing is hit the
// property bar shows the face's background picture (or, with `additive` and
// a selection kept, what that selection calls for). Returns the object hit.
CBaseObject* HitSelect(EditingHost& host, const PixelMapping& map, QPoint page, bool additive);

// Selects every object that the page rectangle between two corners meets.
// The property bar shows the object when exactly one was found, nothing when
// several were, and the background picture when none was. Returns the count.
int RubberBandSelect(EditingHost& host, const PixelMapping& map, QPoint pageA, QPoint pageB,
                     bool additive);

// Selects every object of the face (a rubber band far beyond any face).
int SelectAllObjects(EditingHost& host, const PixelMapping& map);

// Selects the object above the lowest selected one, or the bottom object
// when nothing is selected or the topmost was; false when the face is empty.
bool SelectNextObject(EditingHost& host);

// Moves every selected, unlocked object of the edit's face by (dx, dy) face
// units; circular texts follow on their circle. True when an object moved.
bool NudgeSelection(EditScope& edit, int dx, int dy, float zoom);
