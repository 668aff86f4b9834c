#include "shape_tool.h"

#include "objects/shape.h"

std::unique_ptr<CBaseObject> ShapeTool::CreateObject(const LogicalRect& dragged) {
    const LogicalRect r = AtLeastOnePixel(dragged);
    return std::make_unique<CShape>(r.left, r.top, r.right, r.bottom, m_kind, kNewShapeFill, 0);
}
