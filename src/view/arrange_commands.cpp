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
    return qint64(o->m_x) + o->m_width;
}
qint64 BottomEdge(const CBaseObject* o) {
    return qint64(o->m_y) + o->m_height;
}

void AlignObjects(const std::vector<CBaseObject*>& objects, Alignment how) {
    constexpr qint64 kLowest = std::numeric_limits<qint64>::min();
    constexpr qint64 kHighest = std::numeric_limits<qint64>::max();
    qint64 minX = kHighest, minY = kHighest, maxRight = kLowest, maxBottom = kLowest;
    int maxWidth = std::numeric_limits<int>::min();
    int maxHeight = std::numeric_limits<int>::min();
    for (const CBaseObject* o : objects) {
        minX = std::min<qint64>(minX, o->m_x);
        minY = std::min<qint64>(minY, o->m_y);
        maxRight = std::max(maxRight, RightEdge(o));
        maxBottom = std::max(maxBottom, BottomEdge(o));
        maxWidth = std::max(maxWidth, o->m_width);
        maxHeight = std::max(maxHeight, o->m_height);
    }
    for (CBaseObject* o : objects) {
        switch (how) {
        case Alignment::kLeft:
            o->m_x = int(minX);
            break;
        case Alignment::kRight:
            o->m_x = int(maxRight - o->m_width);
            break;
        case Alignment::kTop:
            o->m_y = int(minY);
            break;
        case Alignment::kBottom:
            o->m_y = int(maxBottom - o->m_height);
            break;
        case Alignment::kSameWidth:
            o->m_width = maxWidth;
            break;
        case Alignment::kSameHeight:
            o->m_height = maxHeight;
            break;
        case Alignment::kSameSize:
            o->m_width = maxWidth;
            o->m_height = maxHeight;
            break;
        }
    }
}

void FinishChange(EditingHost& host) {
    host.RecordChange();
    host.RefreshFaceCanvas();
    host.Repaint();
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
    AlignObjects(objects, how);
    host.RefreshPropertyValues();
    FinishChange(host);
    return true;
}

bool CanCentre(EditingHost& host) {
    return !SelectionOf(host).empty();
}

bool Centre(EditingHost& host, CentreAxis axis) {
    const std::vector<CBaseObject*> objects = Arrangeable(host);
    if (objects.empty())
        return false;
    const Face& face = host.Document().ActiveFace();
    // Integer halves truncate toward zero, as the face and object sizes do.
    for (CBaseObject* o : objects) {
        if (axis == CentreAxis::kHorizontal)
            o->m_x = face.m_width / 2 - o->m_width / 2;
        else
            o->m_y = -face.m_height / 2 - o->m_height / 2;
    }
    host.RefreshPropertyValues();
    FinishChange(host);
    return true;
}

void ChangeStackOrder(EditingHost& host, StackMove move) {
    Face& face = host.Document().ActiveFace();
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
    FinishChange(host);
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
    doc.DeleteObjects(doc.ActiveFaceId(), doomed);
    FinishChange(host);
    return true;
}

LockState LockMenuState(EditingHost& host) {
    const std::vector<CBaseObject*>& selection = SelectionOf(host);
    if (selection.empty())
        return LockState::kDisabled;
    if (selection.size() > 1)
        return LockState::kMixed;
    return selection.front()->m_locked != 0 ? LockState::kLocked : LockState::kUnlocked;
}

bool ToggleLock(EditingHost& host) {
    const std::vector<CBaseObject*>& selection = SelectionOf(host);
    if (selection.empty())
        return false;
    for (CBaseObject* object : selection)
        object->m_locked = object->m_locked != 0 ? 0 : 1;
    // Locks are not drawn, so only the undo step and the modified mark follow.
    host.RecordChange();
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
