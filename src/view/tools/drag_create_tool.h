#pragma once

#include "editing_tool.h"

#include <memory>

class CBaseObject;

// The crosshair cursor of a drawing tool; the arrow for the others.
QCursor ToolCursor(ToolMode tool);

// A tool that creates an object from a dragged rectangle. Pressing starts a
// rubber band, moving stretches it, and releasing elsewhere creates the
// object over the rectangle, selects it alone, records one undo step and
// returns the view to the select tool. A click selects like the select tool
// does and keeps the tool, unless the tool makes something of clicks itself.
class DragCreateTool : public EditingTool {
public:
    using EditingTool::EditingTool;

    void MousePressed(const ToolMouseEvent& event) override;
    void MouseMoved(const ToolMouseEvent& event) override;
    void MouseReleased(const ToolMouseEvent& event) override;
    void Cancel() override;
    QCursor Cursor() const override;

protected:
    // The object for the dragged rectangle in face units (top above bottom),
    // or null when nothing is to be added (the tool has told the user why).
    virtual std::unique_ptr<CBaseObject> CreateObject(const LogicalRect& rect) = 0;
    // Makes and adds the object for the dragged rectangle; by default the
    // one CreateObject gives, through AddCreated.
    virtual void Create(const LogicalRect& rect);
    // A click at `facePoint` (face units). True when the tool handled it
    // (the click then selects nothing else); the default does nothing.
    virtual bool Clicked(QPoint facePoint);

    // Puts `object` on top of the active face, selects it alone and records
    // the undo step.
    void AddCreated(std::unique_ptr<CBaseObject> object);
    // The rectangle made at least one screen pixel wide and deep, so that a
    // drag along one axis (or within one pixel at a high zoom) still gives an
    // object that shows and can be picked.
    LogicalRect AtLeastOnePixel(LogicalRect rect) const;
};
