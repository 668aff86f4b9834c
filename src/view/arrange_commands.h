#pragma once

#include "command_prompts.h"
#include "command_rows.h"

class EditingHost;

// Commands that arrange the active face's objects: alignment and equal sizing,
// centring, stacking order, delete and locking. Each command that changes the
// project is one edit of the document (one undo step; the view draws again
// what the edit names). The Can... queries give the menu and tool-bar state.

// Alignment and equal sizing over the selection. Circular texts have no
// rectangle to align and are left where they are.
enum class Alignment {
    kLeft,       // x := smallest x
    kRight,      // right edge := largest right edge
    kTop,        // y := smallest y (the lowest top edge: y grows upwards)
    kBottom,     // bottom edge := largest bottom edge (the highest one)
    kSameWidth,  // width := largest width
    kSameHeight, // height := largest height value (heights are negative: the shortest)
    kSameSize,   // both of the above
};
bool CanAlign(EditingHost& host); // two or more selected
// False (and nothing changes) unless two or more objects are selected and one
// of them can be aligned.
bool Align(EditingHost& host, Alignment how);

// Centring each selected object on the face (circular texts excepted).
enum class CentreAxis { kHorizontal, kVertical };
bool CanCentre(EditingHost& host); // one or more selected
bool Centre(EditingHost& host, CentreAxis axis);

// Stacking order of the property bar's object. The undo step is taken even
// when the object is already at that end of the order, or when there is no
// such object (several selected).
enum class StackMove { kToFront, kToBack, kUp, kDown };
void ChangeStackOrder(EditingHost& host, StackMove move);

// Deletes every selected object.
bool CanDeleteSelection(EditingHost& host); // one or more selected
bool DeleteSelection(EditingHost& host);

// The lock command's menu state: disabled without a selection, checked or
// not for one object, indeterminate for several.
enum class LockState { kDisabled, kUnlocked, kLocked, kMixed };
LockState LockMenuState(EditingHost& host);
// Flips the locked flag of every selected object.
bool ToggleLock(EditingHost& host);

// The command table of the arrange, lock and face-background commands, acting
// on `host` (which must outlive the rows).
CommandRows ArrangeCommandRows(EditingHost& host,
                               const CommandPrompts& prompts = CommandPrompts::Interactive());
// Runs the row of `id`; false when `id` is none of them or the command did nothing.
bool RunArrangeCommand(EditingHost& host, CommandId id,
                       const CommandPrompts& prompts = CommandPrompts::Interactive());
// Whether the row of `id` is enabled; false for other ids.
bool IsArrangeCommandEnabled(EditingHost& host, CommandId id);
