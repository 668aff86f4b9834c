#pragma once

#include "drag_create_tool.h"

// Draws a new shape of one kind (rectangle, round rectangle, ellipse or
// diamond) over the dragged rectangle: light grey with a black outline.
class ShapeTool : public DragCreateTool {
public:
    static constexpr quint32 kNewShapeFill = 0xC0C0C0;

    // `kind` is a CShape::Kind; the tool mode is kind + 1.
    ShapeTool(CDiscwrightView& view, int kind) : DragCreateTool(view), m_kind(kind) {}

    ToolMode Mode() const override { return static_cast<ToolMode>(m_kind + 1); }

protected:
    std::unique_ptr<CBaseObject> CreateObject(const LogicalRect& rect) override;

private:
    int m_kind;
};
