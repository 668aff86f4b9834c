#pragma once

#include "view/editing_geometry.h"
#include "view/tools/tool_mode.h"

#include <QCursor>
#include <QPoint>

#include <vector>

class CBaseObject;
class CDiscwrightView;

// Mouse input as the editing view hands it to its tools: the point in client
// pixels of the view's viewport and the keyboard modifiers held.
struct ToolMouseEvent {
    QPoint client;
    Qt::KeyboardModifiers modifiers;
};

// One mouse tool of the editing view (select, a shape, text, picture). The
// view owns one object per tool mode, forwards the left button's press,
// moves and release to the current tool, and sends the moves and the
// release of a drag to the tool that saw the press even when the tool mode
// changed meanwhile. The view has grabbed the mouse between press and release.
//
// A release at the press point is a click; anything else is a drag.
class EditingTool {
public:
    explicit EditingTool(CDiscwrightView& view) : m_view(view) {}
    virtual ~EditingTool() = default;
    EditingTool(const EditingTool&) = delete;
    EditingTool& operator=(const EditingTool&) = delete;

    // The tool mode the tool serves.
    virtual ToolMode Mode() const = 0;

    // The left button went down at `event.client`.
    virtual void MousePressed(const ToolMouseEvent& event) = 0;
    // The mouse moved to a new point, with the left button held (IsButtonDown)
    // or not (hovering).
    virtual void MouseMoved(const ToolMouseEvent& event) = 0;
    // The left button went up: finishes the click or drag begun by MousePressed.
    virtual void MouseReleased(const ToolMouseEvent& event) = 0;
    // Forgets any hover and drag state without recording anything: the
    // document's content changed under the tool (undo, another face).
    virtual void Cancel() = 0;
    // `objects` are about to be destroyed: the tool drops any pointer to them.
    virtual void ForgetObjects(const std::vector<CBaseObject*>& /*objects*/) {}
    // The view leaves this tool for another one; a drag under way still ends
    // with its release.
    virtual void Deactivate() {}
    // The cursor the view shows for the tool's current state.
    virtual QCursor Cursor() const = 0;

    bool IsButtonDown() const { return m_buttonDown; }
    QPoint DownPoint() const { return m_downPoint; }

protected:
    // A client point in pixels from the face's top-left corner.
    QPoint PagePoint(QPoint client) const;
    // A client point in back-buffer pixels (where the rubber band is drawn).
    QPoint BufferPoint(QPoint client) const;
    PixelMapping Mapping() const;
    int GridSpacing() const;

    CDiscwrightView& m_view;
    bool m_buttonDown = false;
    QPoint m_downPoint; // client pixels
};
