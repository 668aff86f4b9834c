#pragma once

#include <memory>

class CBaseObject;
class EditingHost;

// Selection changes that commands make on the active face, keeping each
// object's selected flag, the face's selection list and the property bar in
// step.

// Deselects every object of the active face; the property bar shows nothing.
void ClearSelection(EditingHost& host);
// Adds `object` (of the active face) to the end of the selection. The
// property bar shows it when it is the only selected object, and nothing
// otherwise.
void SelectObject(EditingHost& host, CBaseObject* object);
// Puts a new object on top of the active face, selects it alone and records
// the one undo step of the addition. Returns the object.
CBaseObject* AddSelectedAlone(EditingHost& host, std::unique_ptr<CBaseObject> object);
