#include "drag_create_tool.h"

#include "document/discwright_doc.h"
#include "resources/icons.h"
#include "select_tool.h"
#include "view/discwright_view.h"
#include "view/face_selection.h"

QCursor ToolCursor(ToolMode tool) {
    switch (tool) {
    case ToolMode::kRectangle:
        return CrosshairCursor("cross-rectangle");
    case ToolMode::kRoundRectangle:
        return CrosshairCursor("cross-round-rectangle");
    case ToolMode::kEllipse:
        return CrosshairCursor("cross-ellipse");
    case ToolMode::kDiamond:
        return CrosshairCursor("cross-diamond");
    case ToolMode::kText:
        return CrosshairCursor("cross-text");
    case ToolMode::kImage:
        return CrosshairCursor("cross-picture");
    case ToolMode::kSelect:
    case ToolMode::kCircularText:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

void DragCreateTool::MousePressed(const ToolMouseEvent& event) {
    m_buttonDown = true;
    m_downPoint = event.client;
    m_view.SetRubberBand(true, BufferPoint(event.client), BufferPoint(event.client));
}

void DragCreateTool::MouseMoved(const ToolMouseEvent& event) {
    if (m_buttonDown)
        m_view.SetRubberBand(true, BufferPoint(m_downPoint), BufferPoint(event.client));
}

void DragCreateTool::Cancel() {
    if (m_buttonDown)
        m_view.SetRubberBand(false);
    m_buttonDown = false;
}

QCursor DragCreateTool::Cursor() const {
    return ToolCursor(Mode());
}

bool DragCreateTool::Clicked(QPoint) {
    return false;
}

void DragCreateTool::MouseReleased(const ToolMouseEvent& event) {
    if (!m_buttonDown)
        return; // the drag was cancelled
    m_buttonDown = false;
    m_view.SetRubberBand(false);
    if (event.client == m_downPoint) {
        if (!Clicked(Mapping().FaceUnits(PagePoint(event.client))))
            m_view.Selector().ClickSelect(event);
    } else {
        Create(Mapping().FaceRect(PagePoint(m_downPoint), PagePoint(event.client)));
        m_view.SetTool(ToolMode::kSelect);
    }
    m_view.Selector().Cancel();
}

void DragCreateTool::Create(const LogicalRect& rect) {
    if (std::unique_ptr<CBaseObject> object = CreateObject(rect))
        AddCreated(std::move(object));
}

void DragCreateTool::AddCreated(std::unique_ptr<CBaseObject> object) {
    AddSelectedAlone(m_view, std::move(object));
}

LogicalRect DragCreateTool::AtLeastOnePixel(LogicalRect rect) const {
    const int pixel = Mapping().units.PixelsToUnits(1);
    if (rect.right == rect.left)
        rect.right = rect.left + pixel;
    if (rect.top == rect.bottom)
        rect.bottom = rect.top - pixel;
    return rect;
}
