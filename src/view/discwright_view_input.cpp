// The editing view's mouse, keyboard and context-menu input, its tools and
// the commands of the Object menu.

#include "arrange_commands.h"
#include "command_ids.h"
#include "discwright_view.h"
#include "document/discwright_doc.h"
#include "face_selection.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "selection_ops.h"
#include "tools/picture_tool.h"
#include "tools/select_tool.h"
#include "tools/shape_tool.h"
#include "tools/text_tool.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// The arrow keys move by 5 mm with Ctrl held.
constexpr int kCoarseNudge = 500;
// A new circular text's radius: 50 mm.
constexpr double kNewCircleRadius = 5000.0;
// Where a context menu asked for from the keyboard opens, inside the view.
constexpr QPoint kKeyboardMenuOffset{5, 5};

// The tool commands and the tool modes they choose.
struct ToolCommand {
    CommandId command;
    ToolMode mode;
};
constexpr ToolCommand kToolCommands[] = {
    {CommandId::kToolSelect, ToolMode::kSelect},
    {CommandId::kToolRectangle, ToolMode::kRectangle},
    {CommandId::kToolRoundRectangle, ToolMode::kRoundRectangle},
    {CommandId::kToolEllipse, ToolMode::kEllipse},
    {CommandId::kToolDiamond, ToolMode::kDiamond},
    {CommandId::kToolText, ToolMode::kText},
    {CommandId::kToolImage, ToolMode::kImage},
};

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

ToolMouseEvent ToolEvent(const QMouseEvent* event) {
    return {event->position().toPoint(), event->modifiers()};
}

} // namespace

void CDiscwrightView::InitTools() {
    m_prompts = ToolPrompts::Interactive();
    m_tools[ToolIndex(ToolMode::kSelect)] = std::make_unique<SelectTool>(*this);
    m_tools[ToolIndex(ToolMode::kRectangle)] =
        std::make_unique<ShapeTool>(*this, CShape::kRectangle);
    m_tools[ToolIndex(ToolMode::kRoundRectangle)] =
        std::make_unique<ShapeTool>(*this, CShape::kRoundRect);
    m_tools[ToolIndex(ToolMode::kEllipse)] = std::make_unique<ShapeTool>(*this, CShape::kEllipse);
    m_tools[ToolIndex(ToolMode::kDiamond)] = std::make_unique<ShapeTool>(*this, CShape::kDiamond);
    m_tools[ToolIndex(ToolMode::kText)] = std::make_unique<TextTool>(*this);
    m_tools[ToolIndex(ToolMode::kImage)] = std::make_unique<PictureTool>(*this);
    // Hovering shows handle and move cursors, so moves arrive without a button.
    viewport()->setMouseTracking(true);
    UpdateCursor();
}

SelectTool& CDiscwrightView::Selector() {
    return static_cast<SelectTool&>(*m_tools[ToolIndex(ToolMode::kSelect)]);
}

EditingTool& CDiscwrightView::CurrentTool() {
    EditingTool* tool = m_tools[ToolIndex(m_tool)].get();
    return tool != nullptr ? *tool : Selector();
}

int CDiscwrightView::DragMode() const {
    return static_cast<const SelectTool&>(*m_tools[ToolIndex(ToolMode::kSelect)]).DragMode();
}

void CDiscwrightView::CancelTools() {
    for (const auto& tool : m_tools) {
        if (tool != nullptr)
            tool->Cancel();
    }
    m_pressTool = nullptr;
    m_arrowEdit.reset();
    UpdateCursor();
}

void CDiscwrightView::UpdateCursor() {
    const EditingTool& tool = m_pressTool != nullptr ? *m_pressTool : CurrentTool();
    // Cursors come from pictures: set one only when it changes.
    const int key = tool.Mode() != ToolMode::kSelect ? 100 + ToolIndex(tool.Mode()) : DragMode();
    if (key == m_cursorKey)
        return;
    m_cursorKey = key;
    viewport()->setCursor(tool.Cursor());
}

void CDiscwrightView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The right button only drops the drawing tool; the context menu follows.
        SetTool(ToolMode::kSelect);
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton || m_pressTool != nullptr) {
        event->ignore();
        return;
    }
    m_pressTool = &CurrentTool();
    m_lastMovePoint = event->position().toPoint();
    m_pressTool->MousePressed(ToolEvent(event));
    UpdateCursor();
    event->accept();
}

void CDiscwrightView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (p == m_lastMovePoint)
        return;
    m_lastMovePoint = p;
    EditingTool& tool = m_pressTool != nullptr ? *m_pressTool : CurrentTool();
    tool.MouseMoved(ToolEvent(event));
    UpdateCursor();
}

void CDiscwrightView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    EditingTool* tool = m_pressTool;
    m_pressTool = nullptr;
    if (tool != nullptr)
        tool->MouseReleased(ToolEvent(event));
    UpdateCursor();
}

void CDiscwrightView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab) {
        SelectNext();
        return;
    }
    if (key == Qt::Key_Delete) {
        DeleteSelection(*this);
        return;
    }
    if (!IsArrowKey(key)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    // Ctrl moves by 5 mm, otherwise by one screen pixel at zoom 1.
    const bool coarse = event->modifiers().testFlag(Qt::ControlModifier);
    const int sx = coarse ? kCoarseNudge : m_context.canvas.PixelsToUnits(1);
    const int sy = sx;
    const int dx = key == Qt::Key_Left ? -sx : key == Qt::Key_Right ? sx : 0;
    const int dy = key == Qt::Key_Up ? sy : key == Qt::Key_Down ? -sy : 0;
    // Held keys make one action, open until the real release.
    if (!m_arrowEdit)
        m_arrowEdit.emplace(m_doc.Edit());
    if (NudgeSelection(*m_arrowEdit, dx, dy, Zoom()))
        m_arrowEdit->Update();
}

void CDiscwrightView::keyReleaseEvent(QKeyEvent* event) {
    if (!IsArrowKey(event->key())) {
        QAbstractScrollArea::keyReleaseEvent(event);
        return;
    }
    // Held keys repeat presses and releases; only the real release ends the
    // step, however long the key was held.
    if (event->isAutoRepeat() || !m_arrowEdit)
        return;
    m_arrowEdit.reset(); // the step and the drawing of what moved
}

void CDiscwrightView::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint global = event->reason() == QContextMenuEvent::Keyboard
                              ? viewport()->mapToGlobal(kKeyboardMenuOffset)
                              : event->globalPos();
    Q_EMIT ContextMenuRequested(global);
    event->accept();
}

bool CDiscwrightView::focusNextPrevChild(bool) {
    return false;
}

void CDiscwrightView::InsertCircularText() {
    const Face& face = m_doc.ActiveFace();
    auto text =
        std::make_unique<CCirText>(QPoint(face.Width() / 2, -(face.Height() / 2)), kNewCircleRadius,
                                   0.0, 0, NewObjectText(), 1, 0, m_context.canvas, Zoom());
    CBaseObject* created = text.get();
    auto edit = m_doc.Edit();
    m_doc.AddObject(std::move(text));
    ClearSelection(*this);
    SelectObject(*this, created);
}

void CDiscwrightView::SelectNext() {
    SelectNextObject(*this);
}

void CDiscwrightView::SelectAll() {
    SelectAllObjects(*this, Mapping());
}

CommandRows CDiscwrightView::ViewCommandRows() {
    auto done = [](void (CDiscwrightView::*action)(), CDiscwrightView* view) {
        return [view, action] {
            (view->*action)();
            return true;
        };
    };
    auto hasObjects = [this] { return ::CommandState{!m_doc.ActiveFace().Objects().empty()}; };
    CommandRows rows = {
        {CommandId::kZoomIn, done(&CDiscwrightView::ZoomIn, this)},
        {CommandId::kZoomOut, done(&CDiscwrightView::ZoomOut, this)},
        {CommandId::kZoom100, done(&CDiscwrightView::Zoom100, this)},
        {CommandId::kShowGrid, done(&CDiscwrightView::ToggleGrid, this),
         [this] {
             return ::CommandState{true, IsGridChecked()};
         }},
        {CommandId::kCircularText, done(&CDiscwrightView::InsertCircularText, this)},
        {CommandId::kSelectNext, done(&CDiscwrightView::SelectNext, this), hasObjects},
        {CommandId::kSelectAll, done(&CDiscwrightView::SelectAll, this), hasObjects},
    };
    for (const ToolCommand& tool : kToolCommands) {
        const ToolMode mode = tool.mode;
        rows.push_back({tool.command,
                        [this, mode] {
                            SetTool(mode);
                            return true;
                        },
                        [this, mode] {
                            return ::CommandState{true, m_tool == mode};
                        }});
    }
    return rows;
}

const CommandRow* CDiscwrightView::FindCommand(CommandId id) {
    if (m_commandRows.empty()) {
        m_commandRows = ViewCommandRows();
        // The lock command belongs to the arrange table; the view's menus show it too.
        CommandRows arrange = ArrangeCommandRows(*this);
        m_commandRows.push_back(*FindRow(arrange, CommandId::kLockUnlockObject));
    }
    return FindRow(m_commandRows, id);
}

bool CDiscwrightView::OnCommand(CommandId id) {
    const CommandRow* row = FindCommand(id);
    return row != nullptr && row->run();
}

bool CDiscwrightView::IsToolCommandChecked(CommandId id) const {
    for (const ToolCommand& tool : kToolCommands) {
        if (tool.command == id)
            return tool.mode == m_tool;
    }
    return false;
}

bool CDiscwrightView::CommandState(CommandId id, bool* enabled, bool* checked,
                                   bool* indeterminate) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr)
        return false;
    const ::CommandState state = row->state ? row->state() : ::CommandState{};
    if (enabled != nullptr)
        *enabled = state.enabled;
    if (checked != nullptr)
        *checked = state.checked;
    if (indeterminate != nullptr)
        *indeterminate = state.indeterminate;
    return true;
}
