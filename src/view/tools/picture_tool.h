#pragma once

#include "drag_create_tool.h"

// Places a picture file chosen in the "Import Image Files" dialog: over the
// dragged rectangle, or at its natural size at a click, which also returns
// the view to the select tool. A file that cannot be read is named in a
// warning and nothing is added.
struct PicturePlacement;

class PictureTool : public DragCreateTool {
public:
    using DragCreateTool::DragCreateTool;

    ToolMode Mode() const override;

protected:
    std::unique_ptr<CBaseObject> CreateObject(const LogicalRect& rect) override;
    void Create(const LogicalRect& rect) override;
    bool Clicked(QPoint facePoint) override;

private:
    // Asks for a file and inserts it by `placement`; false when the dialog
    // was cancelled or the file could not be read (the user has been told).
    bool InsertChosenPicture(const PicturePlacement& placement);
};
