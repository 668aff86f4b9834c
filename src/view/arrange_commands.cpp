#include "arrange_commands.h"

#include "background_commands.h"
#include "command_ids.h"
#include "document/discwright_doc.h"
#include "editing_host.h"
#include "objects/cir_text.h"

#include <algorithm>
#include <limits>

namespace {

const std::vector<CBaseObject*>& SelectionOf(EditingHost& host) {
    return host.Document().ActiveFace().Selection();
}

// The selected objects that have a rectangle to arrange.
std::vector<CBaseObject*> Arrangeable(EditingHost& host) {
    std::vector<CBaseObject*> objects;
    for (CBaseObject* object : SelectionOf(host)) {
        if (dynamic_cast<CCirText*>(object) == nullptr)
            objects.push_back(object);
    }
    return objects;
}

// Edge sums are taken in 64 bits: coordinates read from a file may be anything,
// and the stored result wraps like the 32-bit field it goes into.
qint64 RightEdge(const CBaseObject* o) {
    return qint64(o->X()) + o->Width();
}
qint64 BottomEdge(const CBaseObject* o) {
    return qint64(o->Y()) + o->Height();
}

void AlignObjects(EditScope& edit, const std::vector<CBaseObject*>& objects, Alignment how) {
    constexpr qint64 kLowest = std::numeric_limits<qint64>::min();
    constexpr qint64 kHighest = std::numeric_limits<qint64>::max();
    qint64 minX = kHighest, minY = kHighest, maxRight = kLowest, maxBottom = kLowest;
    int maxWidth = std::numeric_limits<int>::min();
    int maxHeight = std::numeric_limits<int>::min();
    for (const CBaseObject* o : objects) {
        minX = std::min<qint64>(minX, o->X());
        minY = std::min<qint64>(minY, o->Y());
        maxRight = std::max(maxRight, RightEdge(o));
        maxBottom = std::max(maxBottom, BottomEdge(o));
        maxWidth = std::max(maxWidth, o->Width());
        maxHeight = std::max(maxHeight, o->Height());
    }
    for (CBaseObject* o : objects) {
        int x = o->X(), y = o->Y(), width = o->Width(), height = o->Height();
        switch (how) {
        case Alignment::kLeft:
            x = int(minX);
            break;
        case Alignment::kRight:
            x = int(maxRight - o->Width());
            break;
        case Alignment::kTop:
            y = int(minY);
            break;
        case Alignment::kBottom:
            y = int(maxBottom - o->Height());
            break;
        case Alignment::kSameWidth:
            width = maxWidth;
            break;
        case Alignment::kSameHeight:
            height = maxHeight;
            break;
        case Alignment::kSameSize:
            width = maxWidth;
            height = maxHeight;
            break;
        }
        edit.SetRect(*o, x, y, width, height);
    }
}

} // namespace

bool CanAlign(EditingHost& host) {
    return SelectionOf(host).size() >= 2;
}

bool Align(EditingHost& host, Alignment how) {
    if (!CanAlign(host))
        return false;
    const std::vector<CBaseObject*> objects = Arrangeable(host);
    if (objects.empty())
        return false;
    auto edit = host.Document().Edit();
    AlignObjects(edit, objects, how);
    return true;
}

bool CanCentre(EditingHost& host) {
    return !SelectionOf(host).empty();
}

bool Centre(EditingHost& host, CentreAxis axis) {
    const std::vector<CBaseObject*> objects = Arrangeable(host);
    if (objects.empty())
        return false;
    auto edit = host.Document().Edit();
    const Face& face = edit.GetFace();
    // Integer halves truncate toward zero, as the face and object sizes do.
    for (CBaseObject* o : objects) {
        if (axis == CentreAxis::kHorizontal)
            edit.MoveTo(*o, face.Width() / 2 - o->Width() / 2, o->Y());
        else
            edit.MoveTo(*o, o->X(), -face.Height() / 2 - o->Height() / 2);
    }
    return true;
}

void ChangeStackOrder(EditingHost& host, StackMove move) {
    auto edit = host.Document().Edit();
    // Stacking always records its step, also when nothing moved.
    edit.TouchFace();
    Face& face = edit.GetFace();
    const CBaseObject* target = host.PropertyObject();
    // The background picture is never in the list, so it is never moved.
    if (const int at = face.IndexOf(target); target != nullptr && at >= 0) {
        const int last = int(face.Objects().size()) - 1;
        switch (move) {
        case StackMove::kToFront:
            face.MoveObject(target, last);
            break;
        case StackMove::kToBack:
            face.MoveObject(target, 0);
            break;
        case StackMove::kUp:
            face.MoveObject(target, at + 1);
            break;
        case StackMove::kDown:
            face.MoveObject(target, at - 1);
            break;
        }
    }
}

bool CanDeleteSelection(EditingHost& host) {
    return !SelectionOf(host).empty();
}

bool DeleteSelection(EditingHost& host) {
    CDiscwrightDoc& doc = host.Document();
    if (doc.ActiveFace().Selection().empty())
        return false;
    host.ShowInPropertyBar(nullptr);
    // The document tells everyone holding one of the objects before it goes.
    const std::vector<CBaseObject*> doomed = doc.ActiveFace().Selection();
    auto edit = doc.Edit();
    doc.DeleteObjects(edit.FaceId(), doomed);
    return true;
}

LockState LockMenuState(EditingHost& host) {
    const std::vector<CBaseObject*>& selection = SelectionOf(host);
    if (selection.empty())
        return LockState::kDisabled;
    if (selection.size() > 1)
        return LockState::kMixed;
    return selection.front()->Locked() != 0 ? LockState::kLocked : LockState::kUnlocked;
}

bool ToggleLock(EditingHost& host) {
    const std::vector<CBaseObject*>& selection = SelectionOf(host);
    if (selection.empty())
        return false;
    // Locks are not drawn: the edit records the step and draws nothing.
    auto edit = host.Document().Edit();
    for (CBaseObject* object : selection)
        edit.SetLocked(*object, object->Locked() == 0);
    return true;
}

CommandRows ArrangeCommandRows(EditingHost& host, const CommandPrompts& prompts) {
    EditingHost* h = &host;
    auto when = [h](bool (*can)(EditingHost&)) {
        return [h, can] { return CommandState{can(*h)}; };
    };
    auto align = [h, &when](CommandId id, Alignment how) {
        return CommandRow{id, [h, how] { return Align(*h, how); }, when(CanAlign)};
    };
    auto centre = [h, &when](CommandId id, CentreAxis axis) {
        return CommandRow{id, [h, axis] { return Centre(*h, axis); }, when(CanCentre)};
    };
    // Stacking always records its step, so it is always enabled.
    auto stack = [h](CommandId id, StackMove move) {
        return CommandRow{id, [h, move] {
                              ChangeStackOrder(*h, move);
                              return true;
                          }};
    };
    return {
        align(CommandId::kAlignLeft, Alignment::kLeft),
        align(CommandId::kAlignRight, Alignment::kRight),
        align(CommandId::kAlignTop, Alignment::kTop),
        align(CommandId::kAlignBottom, Alignment::kBottom),
        align(CommandId::kMakeSameWidth, Alignment::kSameWidth),
        align(CommandId::kMakeSameHeight, Alignment::kSameHeight),
        align(CommandId::kMakeSameSize, Alignment::kSameSize),
        centre(CommandId::kCenterHorizontal, CentreAxis::kHorizontal),
        centre(CommandId::kCenterVertical, CentreAxis::kVertical),
        stack(CommandId::kBringToFront, StackMove::kToFront),
        stack(CommandId::kSendToBack, StackMove::kToBack),
        stack(CommandId::kMoveToNext, StackMove::kUp),
        stack(CommandId::kMoveToPrevious, StackMove::kDown),
        {CommandId::kDeleteSelection, [h] { return DeleteSelection(*h); },
         when(CanDeleteSelection)},
        {CommandId::kLockUnlockObject, [h] { return ToggleLock(*h); },
         [h] {
             const LockState state = LockMenuState(*h);
             return CommandState{state != LockState::kDisabled, state == LockState::kLocked,
                                 state == LockState::kMixed};
         }},
        {CommandId::kSetAsBackgroundImage, [h] { return SetSelectionAsBackground(*h); },
         when(CanSetAsBackground)},
        {CommandId::kRemoveBackgroundImage, [h] { return RemoveBackgroundPicture(*h); },
         when(CanRemoveBackground)},
        {CommandId::kSetBackgroundColor, [h, prompts] { return SetBackgroundColour(*h, prompts); }},
    };
}

bool RunArrangeCommand(EditingHost& host, CommandId id, const CommandPrompts& prompts) {
    const CommandRows rows = ArrangeCommandRows(host, prompts);
    const CommandRow* row = FindRow(rows, id);
    return row != nullptr && row->run();
}

bool IsArrangeCommandEnabled(EditingHost& host, CommandId id) {
    const CommandRows rows = ArrangeCommandRows(host);
    const CommandRow* row = FindRow(rows, id);
    return row != nullptr && (!row->state || row->state().enabled);
}
