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

// The tool mode of a tool command, or -1.
int ToolOfCommand(int id) {
    switch (id) {
    case kToolSelect:
        return kToolModeSelect;
    case kToolRectangle:
        return kToolModeRectangle;
    case kToolRoundRectangle:
        return kToolModeRoundRectangle;
    case kToolEllipse:
        return kToolModeEllipse;
    case kToolDiamond:
        return kToolModeDiamond;
    case kToolText:
        return kToolModeText;
    case kToolImage:
        return kToolModeImage;
    default:
        return -1;
    }
}

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

ToolMouseEvent ToolEvent(const QMouseEvent* event) {
    return {event->position().toPoint(), event->modifiers()};
}

} // namespace

void CDiscwrightView::InitTools() {
    m_prompts = ToolPrompts::Interactive();
    m_tools[kToolModeSelect] = std::make_unique<SelectTool>(*this);
    m_tools[kToolModeRectangle] = std::make_unique<ShapeTool>(*this, CShape::kRectangle);
    m_tools[kToolModeRoundRectangle] = std::make_unique<ShapeTool>(*this, CShape::kRoundRect);
    m_tools[kToolModeEllipse] = std::make_unique<ShapeTool>(*this, CShape::kEllipse);
    m_tools[kToolModeDiamond] = std::make_unique<ShapeTool>(*this, CShape::kDiamond);
    m_tools[kToolModeText] = std::make_unique<TextTool>(*this);
    m_tools[kToolModeImage] = std::make_unique<PictureTool>(*this);
    // Hovering shows handle and move cursors, so moves arrive without a button.
    viewport()->setMouseTracking(true);
    UpdateCursor();
}

SelectTool& CDiscwrightView::Selector() {
    return static_cast<SelectTool&>(*m_tools[kToolModeSelect]);
}

EditingTool& CDiscwrightView::CurrentTool() {
    EditingTool* tool = m_tools[m_tool].get();
    return tool != nullptr ? *tool : Selector();
}

int CDiscwrightView::DragMode() const {
    return static_cast<const SelectTool&>(*m_tools[kToolModeSelect]).DragMode();
}

void CDiscwrightView::CancelTools() {
    for (const auto& tool : m_tools) {
        if (tool != nullptr)
            tool->Cancel();
    }
    m_pressTool = nullptr;
    UpdateCursor();
}

void CDiscwrightView::UpdateCursor() {
    const EditingTool& tool = m_pressTool != nullptr ? *m_pressTool : CurrentTool();
    // Cursors come from pictures: set one only when it changes.
    const int key = tool.Mode() != kToolModeSelect ? 100 + tool.Mode() : DragMode();
    if (key == m_cursorKey)
        return;
    m_cursorKey = key;
    viewport()->setCursor(tool.Cursor());
}

void CDiscwrightView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The right button only drops the drawing tool; the context menu follows.
        SetTool(kToolModeSelect);
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
    if (NudgeSelection(*this, dx, dy, Zoom())) {
        m_arrowMoved = true;
        m_doc.SetModifiedFlag(true);
        RefreshPropertyValues();
        RefreshFaceCanvas();
        Repaint();
    }
}

void CDiscwrightView::keyReleaseEvent(QKeyEvent* event) {
    if (!IsArrowKey(event->key())) {
        QAbstractScrollArea::keyReleaseEvent(event);
        return;
    }
    // Held keys repeat presses and releases; only the real release ends the
    // step, however long the key was held.
    if (event->isAutoRepeat() || !m_arrowMoved)
        return;
    m_arrowMoved = false;
    RecordChange();
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
        std::make_unique<CCirText>(QPoint(face.m_width / 2, -(face.m_height / 2)), kNewCircleRadius,
                                   0.0, 0, NewObjectText(), 1, 0, m_context.canvas, Zoom());
    CBaseObject* created = text.get();
    m_doc.AddObject(std::move(text));
    ClearSelection(*this);
    RefreshFaceCanvas();
    SelectObject(*this, created);
    Repaint();
    RecordChange();
}

void CDiscwrightView::SelectNext() {
    SelectNextObject(*this);
    Repaint();
}

void CDiscwrightView::SelectAll() {
    SelectAllObjects(*this, Mapping());
    Repaint();
}

bool CDiscwrightView::RunEditingCommand(int id) {
    const int tool = ToolOfCommand(id);
    if (tool >= 0) {
        SetTool(tool);
        return true;
    }
    switch (id) {
    case kCircularText:
        InsertCircularText();
        return true;
    case kSelectNext:
        SelectNext();
        return true;
    case kSelectAll:
        SelectAll();
        return true;
    case kLockUnlockObject:
        return ToggleLock(*this);
    default:
        return false; // the image browser belongs to the main window for now
    }
}

bool CDiscwrightView::IsToolCommandChecked(int id) const {
    const int tool = ToolOfCommand(id);
    return tool >= 0 && tool == m_tool;
}

bool CDiscwrightView::CommandState(int id, bool* enabled, bool* checked, bool* indeterminate) {
    bool isEnabled = true;
    bool isChecked = false;
    bool isMixed = false;
    const bool hasObjects = !m_doc.ActiveFace().Objects().empty();
    if (ToolOfCommand(id) >= 0) {
        isChecked = IsToolCommandChecked(id);
    } else {
        switch (id) {
        case kIdZoomIn:
        case kIdZoomOut:
        case kIdZoom100:
        case kCircularText:
            break;
        case kIdShowGrid:
            isChecked = IsGridChecked();
            break;
        case kSelectNext:
        case kSelectAll:
            isEnabled = hasObjects;
            break;
        case kLockUnlockObject: {
            const LockState state = LockMenuState(*this);
            isEnabled = state != LockState::kDisabled;
            isChecked = state == LockState::kLocked;
            isMixed = state == LockState::kMixed;
            break;
        }
        case kImageBrowser:
            isEnabled = false; // not available yet
            break;
        default:
            return false;
        }
    }
    if (enabled != nullptr)
        *enabled = isEnabled;
    if (checked != nullptr)
        *checked = isChecked;
    if (indeterminate != nullptr)
        *indeterminate = isMixed;
    return true;
}
