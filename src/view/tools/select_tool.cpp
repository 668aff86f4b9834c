#include "select_tool.h"

#include "document/discwright_doc.h"
#include "objects/shape.h"
#include "platform/scaling.h"
#include "resources/icons.h"
#include "view/discwright_view.h"
#include "view/editing_geometry.h"
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
    m_start.clear();
    // A drag that ends here keeps what it did, as one step.
    m_edit.reset();
}

void SelectTool::Cancel() {
    if (m_action == Action::kRubberBand)
        m_view.SetRubberBand(false);
    m_buttonDown = false;
    ToIdle();
}

void SelectTool::ForgetObjects(const std::vector<CBaseObject*>& objects) {
    // Objects that go take no further part in a move.
    std::erase_if(m_start, [&objects](const auto& entry) {
        return std::find(objects.begin(), objects.end(), entry.first) != objects.end();
    });
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
    m_start.clear();
    switch (m_action) {
    case Action::kHoverHandle:
        // A drag measures from where the objects are when it starts.
        m_start.emplace_back(m_hover, RectOf(*m_hover));
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
            m_start.emplace_back(object, RectOf(*object));
    }
    // The drag is one action from the press to the release.
    if (m_action == Action::kMoving || m_action == Action::kResizing)
        m_edit.emplace(m_view.Document().Edit());
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
        if (!object->Selected())
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
    if (!m_edit)
        return;
    bool changed = false;
    for (const auto& [object, start] : m_start) {
        if (object->Locked())
            continue;
        const int x = DraggedCoordinate(start.x, delta.x(), map.zoom, grid);
        const int y = DraggedCoordinate(start.y, delta.y(), map.zoom, grid);
        changed = m_edit->MoveTo(*object, x, y) || changed;
    }
    if (changed)
        m_edit->Update();
}

void SelectTool::UpdateResize(QPoint client) {
    if (!HoverObjectAlive() || !m_edit || m_start.empty()) {
        // The object went away under the mouse; the rest of the drag does nothing.
        ToIdle();
        return;
    }
    CBaseObject& object = *m_hover;
    const QPoint d = DragDelta(client);
    const bool keepAspect = object.KeepsAspectRatio();
    const ObjectRect before = RectOf(object);
    const ObjectRect after = ResizedRect(before, m_start.front().second, m_handle, d.x(), d.y(),
                                         keepAspect, keepAspect ? 0 : GridSpacing());
    bool changed = m_edit->SetRect(object, after.x, after.y, after.width, after.height);
    auto* shape = dynamic_cast<CShape*>(&object);
    if (m_handle == kCornerRadiusHandle && shape != nullptr) {
        const QPoint radii = CornerRadiiAt(after, Mapping().FaceUnits(PagePoint(client)));
        changed = m_edit->SetCornerRadii(*shape, radii.x(), radii.y()) || changed;
    }
    if (changed)
        m_edit->Update();
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
            return;
        }
    }
    FinishDrag(event);
}

void SelectTool::FinishDrag(const ToolMouseEvent& event) {
    // A move or resize that changed something is one undo step, also when the
    // mouse came back to where it started; the document draws again only
    // what the objects covered before and cover now.
    const bool dragged = m_action == Action::kMoving || m_action == Action::kResizing;
    m_edit.reset();
    if (event.client == m_downPoint)
        ClickSelect(event);
    else if (dragged)
        m_view.SetTool(ToolMode::kSelect);
    ToIdle();
}
