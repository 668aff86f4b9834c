#pragma once

#include "document/edit_scope.h"
#include "editing_tool.h"

#include "objects/proportional_resize.h"

#include <optional>
#include <utility>
#include <vector>

class CBaseObject;

// The select tool: picks objects by click, Shift-click and rubber band, moves
// the selection, resizes one object by its handles and drags a round
// rectangle's corner radius.
//
// It is a state machine. What lies under the mouse decides what a press
// does, and hovering shows it in the cursor: over a selected object's handle
// the press starts resizing that object, over a selected object's body it
// starts moving the selection; elsewhere the press selects the object under
// it and moves it, or starts a rubber band on empty face.
// Moving and resizing work from the rectangles saved when the drag started.
// A drag is one edit of the document from press to release: the face canvas
// is drawn again (only where the objects were and are) at the release, which
// also records the one undo step of the drag.
class SelectTool : public EditingTool {
public:
    enum class Action {
        kIdle,        // nothing under the cursor (drag mode 9)
        kHoverHandle, // over handle HoverHandle() of HoverObject()
        kHoverBody,   // over a selected object (drag mode 10)
        kMoving,      // dragging the selection
        kResizing,    // dragging handle HoverHandle() of HoverObject()
        kRubberBand,  // dragging a selection rectangle
    };

    explicit SelectTool(CDiscwrightView& view) : EditingTool(view) {}

    ToolMode Mode() const override;
    void MousePressed(const ToolMouseEvent& event) override;
    void MouseMoved(const ToolMouseEvent& event) override;
    void MouseReleased(const ToolMouseEvent& event) override;
    void Cancel() override;
    void ForgetObjects(const std::vector<CBaseObject*>& objects) override;
    void Deactivate() override;
    QCursor Cursor() const override;

    Action CurrentAction() const { return m_action; }
    // The drag mode of the action: a handle 0-8, 9 for nothing, 10 for moving.
    int DragMode() const;
    CBaseObject* HoverObject() const { return m_hover; }

    // A click's selection at `event.client`: hit-select there (adding to the
    // selection with Shift); true when an object was hit.
    bool ClickSelect(const ToolMouseEvent& event);

private:
    void UpdateHover(QPoint client);
    void StartRubberBand(QPoint client);
    void UpdateMove(QPoint client);
    void UpdateResize(QPoint client);
    void FinishDrag(const ToolMouseEvent& event);
    // The mouse's way since the press in face units: the difference of the two
    // points in zoomed units, divided by the zoom and truncated.
    QPoint DragDelta(QPoint client) const;
    // Whether the hovered object is still a selected object of the active face
    // (an undo or a delete may have destroyed it).
    bool HoverObjectAlive() const;
    void ToIdle();

    Action m_action = Action::kIdle;
    int m_handle = -1;
    CBaseObject* m_hover = nullptr;
    std::optional<EditScope> m_edit; // the drag under way
    // The dragged objects and their rectangles at the press: a move or a
    // resize measures from these, so it never creeps.
    std::vector<std::pair<CBaseObject*, ObjectRect>> m_start;
};
