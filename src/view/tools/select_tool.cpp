#include "select_tool.h"

#include "document/discwright_doc.h"
#include "objects/shape.h"
#include "platform/scaling.h"
#include "resources/icons.h"
#include "view/discwright_view.h"
#include "view/selection_ops.h"

#include <algorithm>

namespace {
constexpr int kNoDragMode = 9;
constexpr int kMoveDragMode = 10;

bool Additive(const ToolMouseEvent& event) {
    return event.modifiers.testFlag(Qt::ShiftModifier);
}
} // namespace

ToolMode SelectTool::Mode() const {
    return ToolMode::kSelect;
}

int SelectTool::DragMode() const {
    switch (m_action) {
    case Action::kHoverHandle:
    case Action::kResizing:
        return m_handle;
    case Action::kHoverBody:
    case Action::kMoving:
        return kMoveDragMode;
    case Action::kIdle:
    case Action::kRubberBand:
        break;
    }
    return kNoDragMode;
}

QCursor SelectTool::Cursor() const {
    return DragModeCursor(DragMode());
}

void SelectTool::ToIdle() {
    m_action = Action::kIdle;
    m_handle = -1;
    m_hover = nullptr;
    m_changed = false;
}

void SelectTool::Cancel() {
    if (m_action == Action::kRubberBand)
        m_view.SetRubberBand(false);
    m_buttonDown = false;
    ToIdle();
}

void SelectTool::ForgetObjects(const std::vector<CBaseObject*>& objects) {
    if (m_hover == nullptr || std::find(objects.begin(), objects.end(), m_hover) == objects.end())
        return;
    // A resize of the object ends here; the button's release then does nothing more.
    const bool buttonDown = m_buttonDown;
    ToIdle();
    m_buttonDown = buttonDown;
}

void SelectTool::Deactivate() {
    if (!m_buttonDown)
        ToIdle();
}

bool SelectTool::HoverObjectAlive() const {
    if (m_hover == nullptr)
        return false;
    const std::vector<CBaseObject*>& selection = m_view.Document().ActiveFace().Selection();
    return std::find(selection.begin(), selection.end(), m_hover) != selection.end();
}

void SelectTool::MousePressed(const ToolMouseEvent& event) {
    // What lies under the press decides, even if the selection changed since
    // the last move (Tab, undo, the property bar).
    UpdateHover(event.client);
    m_buttonDown = true;
    m_downPoint = event.client;
    switch (m_action) {
    case Action::kHoverHandle:
        // A drag measures from where the objects are when it starts.
        m_hover->SaveRect();
        m_action = Action::kResizing;
        break;
    case Action::kHoverBody:
        m_action = Action::kMoving;
        break;
    default:
        if (HitSelect(m_view, Mapping(), PagePoint(event.client), Additive(event)) != nullptr)
            m_action = Action::kMoving;
        else
            StartRubberBand(event.client);
        break;
    }
    if (m_action == Action::kMoving) {
        for (CBaseObject* object : m_view.Document().ActiveFace().Selection())
            object->SaveRect();
    }
    m_view.Repaint();
}

void SelectTool::StartRubberBand(QPoint client) {
    m_action = Action::kRubberBand;
    m_view.SetRubberBand(true, BufferPoint(client), BufferPoint(client));
}

void SelectTool::MouseMoved(const ToolMouseEvent& event) {
    switch (m_action) {
    case Action::kRubberBand:
        m_view.SetRubberBand(true, BufferPoint(m_downPoint), BufferPoint(event.client));
        break;
    case Action::kMoving:
        if (m_buttonDown)
            UpdateMove(event.client);
        else
            UpdateHover(event.client);
        break;
    case Action::kResizing:
        UpdateResize(event.client);
        break;
    default:
        if (!m_buttonDown)
            UpdateHover(event.client);
        break;
    }
}

void SelectTool::UpdateHover(QPoint client) {
    ToIdle();
    const PixelMapping map = Mapping();
    const QPoint page = PagePoint(client);
    const QPoint units = map.ZoomedUnits(page);
    // A handle of any selected object wins over the body of another.
    for (const auto& object : m_view.Document().ActiveFace().Objects()) {
        if (!object->m_selected)
            continue;
        const int handle = object->HitTestHandle(page, map.zoom, map.units);
        if (handle != -1) {
            m_action = Action::kHoverHandle;
            m_handle = handle;
            m_hover = object.get();
            return;
        }
        if (object->HitTest(units.x(), units.y(), map.zoom))
            m_action = Action::kHoverBody;
    }
}

QPoint SelectTool::DragDelta(QPoint client) const {
    const PixelMapping map = Mapping();
    const QPoint delta = map.ZoomedUnits(client) - map.ZoomedUnits(m_downPoint);
    return {TruncateToInt(static_cast<float>(delta.x()) / map.zoom),
            TruncateToInt(static_cast<float>(delta.y()) / map.zoom)};
}

void SelectTool::UpdateMove(QPoint client) {
    const PixelMapping map = Mapping();
    const QPoint delta = map.ZoomedUnits(client) - map.ZoomedUnits(m_downPoint);
    const int grid = GridSpacing();
    bool changed = false;
    for (CBaseObject* object : m_view.Document().ActiveFace().Selection()) {
        if (object->m_locked)
            continue;
        const int x = DraggedCoordinate(object->m_savedX, delta.x(), map.zoom, grid);
        const int y = DraggedCoordinate(object->m_savedY, delta.y(), map.zoom, grid);
        changed = changed || x != object->m_x || y != object->m_y;
        object->m_x = x;
        object->m_y = y;
    }
    if (changed) {
        m_changed = true;
        m_view.Document().SetModifiedFlag(true);
        m_view.RefreshPropertyValues();
    }
    m_view.Repaint();
}

void SelectTool::UpdateResize(QPoint client) {
    if (!HoverObjectAlive()) {
        // The object went away under the mouse; the rest of the drag does nothing.
        ToIdle();
        return;
    }
    CBaseObject& object = *m_hover;
    const QPoint d = DragDelta(client);
    const bool keepAspect = object.KeepsAspectRatio();
    const ObjectRect before = RectOf(object);
    const ObjectRect after = ResizedRect(before, SavedRectOf(object), m_handle, d.x(), d.y(),
                                         keepAspect, keepAspect ? 0 : GridSpacing());
    SetRect(object, after);
    bool changed = after != before;
    auto* shape = dynamic_cast<CShape*>(&object);
    if (m_handle == kCornerRadiusHandle && shape != nullptr) {
        const QPoint radii = CornerRadiiAt(after, Mapping().FaceUnits(PagePoint(client)));
        changed = changed || radii.x() != shape->m_radiusX || radii.y() != shape->m_radiusY;
        shape->m_radiusX = radii.x();
        shape->m_radiusY = radii.y();
    }
    if (changed) {
        m_changed = true;
        m_view.Document().SetModifiedFlag(true);
        m_view.RefreshPropertyValues();
    }
    m_view.Repaint();
}

bool SelectTool::ClickSelect(const ToolMouseEvent& event) {
    return HitSelect(m_view, Mapping(), PagePoint(event.client), Additive(event)) != nullptr;
}

void SelectTool::MouseReleased(const ToolMouseEvent& event) {
    if (!m_buttonDown)
        return; // the drag was cancelled
    m_buttonDown = false;
    if (m_action == Action::kRubberBand) {
        m_view.SetRubberBand(false);
        if (event.client != m_downPoint) {
            RubberBandSelect(m_view, Mapping(), PagePoint(m_downPoint), PagePoint(event.client),
                             Additive(event));
            ToIdle();
            m_view.Repaint();
            return;
        }
    }
    FinishDrag(event);
}

void SelectTool::FinishDrag(const ToolMouseEvent& event) {
    // A move or resize that changed something is one undo step, also when the
    // mouse came back to where it started.
    const bool dragged = m_action == Action::kMoving || m_action == Action::kResizing;
    const bool changed = dragged && m_changed;
    if (changed)
        m_view.RecordChange();
    if (event.client == m_downPoint)
        ClickSelect(event);
    else if (dragged)
        m_view.SetTool(ToolMode::kSelect);
    ToIdle();
    // After a move or resize only what the objects covered needs drawing again.
    if (changed)
        m_view.RefreshMovedSelection();
    else
        m_view.RefreshFaceCanvas();
    m_view.Repaint();
}
