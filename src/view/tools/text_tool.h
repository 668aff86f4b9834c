#pragma once

#include "drag_create_tool.h"

// Places a new black text block, "your text here", over the dragged rectangle.
class TextTool : public DragCreateTool {
public:
    using DragCreateTool::DragCreateTool;

    ToolMode Mode() const override;

protected:
    std::unique_ptr<CBaseObject> CreateObject(const LogicalRect& rect) override;
};

// The text new text objects start with.
QString NewObjectText();
