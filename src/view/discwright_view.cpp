#include "discwright_view.h"

#include <algorithm>

#include "document/discwright_doc.h"
#include "document/face_renderer.h"
#include "platform/device_context.h"
#include "tools/editing_tool.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kAnimationInterval = 50; // ms
constexpr int kPageBorder = 20;        // pixels of desk around the face
} // namespace

CDiscwrightView::CDiscwrightView(CDiscwrightDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_context(MakeRenderContext(doc, 1.0f)) {
    setObjectName(QStringLiteral("EditingView"));
    qRegisterMetaType<CBaseObject*>("CBaseObject*");
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_animation, &QTimer::timeout, this, &CDiscwrightView::AnimateSelection);
    connect(&m_doc, &CDiscwrightDoc::ActiveFaceChanged, this, [this](int) {
        CancelTools();
        RecalcLayout();
        RefreshFaceCanvas();
    });
    ListenToDocument();
    m_animation.start(kAnimationInterval);
    InitTools();
    RecalcLayout();
    RefreshFaceCanvas();
}

CDiscwrightView::~CDiscwrightView() = default;

QPoint CDiscwrightView::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QSize CDiscwrightView::PageSize() const {
    const QSize face = FaceSizePixels(m_doc.ActiveFace(), Zoom(), m_context.canvas);
    return face + QSize(2 * kPageBorder, 2 * kPageBorder);
}

QPoint CDiscwrightView::WindowToFace(QPoint window) const {
    const QPoint page = window + ScrollPosition() - m_margin;
    const float z = Zoom();
    return {m_context.canvas.PixelsToUnits(TruncateToInt(page.x() / z)),
            -m_context.canvas.PixelsToUnits(TruncateToInt(page.y() / z))};
}

LogicalRect CDiscwrightView::VisibleFaceArea() {
    const LogicalRect face = EditingHost::VisibleFaceArea();
    const QPoint topLeft = WindowToFace({0, 0});
    const QPoint bottomRight = WindowToFace({viewport()->width(), viewport()->height()});
    const LogicalRect seen{std::max(face.left, topLeft.x()), std::min(face.top, topLeft.y()),
                           std::min(face.right, bottomRight.x()),
                           std::max(face.bottom, bottomRight.y())};
    // A face scrolled wholly out of sight: the whole face.
    if (seen.left >= seen.right || seen.top <= seen.bottom)
        return face;
    return seen;
}

QPoint CDiscwrightView::FaceToWindow(QPoint face) const {
    const float z = Zoom();
    return QPoint(m_context.canvas.UnitsToPixels(Zoomed(face.x(), z)),
                  m_context.canvas.UnitsToPixels(
                      Zoomed(AddClamped(0, -static_cast<long long>(face.y())), z))) +
           m_margin - ScrollPosition();
}

void CDiscwrightView::ListenToDocument() {
    // The tools hold objects across events: they let go before the objects go.
    connect(&m_doc, &CDiscwrightDoc::ContentAboutToBeReplaced, this, &CDiscwrightView::CancelTools);
    connect(&m_doc, &CDiscwrightDoc::ContentReplaced, this, &CDiscwrightView::OnUpdate);
    connect(&m_doc, &CDiscwrightDoc::ObjectsAboutToBeRemoved, this,
            [this](int, const std::vector<CBaseObject*>& objects) {
                for (const auto& tool : m_tools) {
                    if (tool != nullptr)
                        tool->ForgetObjects(objects);
                }
            });
    connect(&m_doc, &CDiscwrightDoc::SelectionChanged, this, [this](int faceId) {
        if (faceId == m_doc.ActiveFaceId())
            RequestFrame(); // the selection frames
    });
    // An edit draws what it changed at its end; the property bar reads the
    // values again. A drag under way shows its objects as they go.
    connect(&m_doc, &CDiscwrightDoc::Edited, this, [this](const EditFootprint& footprint) {
        ShowEdit(footprint);
        RefreshPropertyValues();
    });
    connect(&m_doc, &CDiscwrightDoc::EditUpdated, this, [this](int faceId) {
        if (faceId != m_doc.ActiveFaceId())
            return;
        RefreshPropertyValues();
        RequestFrame();
    });
    // Changes made outside an edit (reading, the command line) are drawn
    // once the event loop turns.
    connect(&m_doc, &CDiscwrightDoc::FaceChanged, this, [this](int faceId) {
        if (faceId != m_doc.ActiveFaceId() || m_canvasPending)
            return;
        m_canvasPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_canvasPending)
                    RefreshFaceCanvas();
            },
            Qt::QueuedConnection);
    });
}

void CDiscwrightView::RefreshFaceCanvas() {
    m_canvasPending = false;
    // A picture placed without a size takes its natural size when it is first
    // drawn; the property bar then shows the size it got.
    const CBaseObject* shown = PropertyObject();
    const QSize sizeBefore = shown != nullptr ? QSize(shown->Width(), shown->Height()) : QSize();
    ::RefreshFaceCanvas(m_canvas, m_doc.ActiveFace(), m_context);
    if (shown != nullptr && QSize(shown->Width(), shown->Height()) != sizeBefore)
        RefreshPropertyValues();
    RequestFrame();
}

void CDiscwrightView::ShowEdit(const EditFootprint& footprint) {
    const int active = m_doc.ActiveFaceId();
    if (footprint.faceId != -1 && footprint.faceId != active) {
        RequestFrame();
        return;
    }
    if (footprint.faceId == -1)
        RecalcLayout(); // the label stocks may have changed the face's size
    if (footprint.whole || m_canvasPending) {
        RefreshFaceCanvas();
        return;
    }
    QRect dirty;
    for (const PaintArea& area : footprint.areas)
        dirty |= PaintAreaBounds(area, m_context.viewZoom, m_context.canvas);
    if (!dirty.isEmpty())
        ::RefreshFaceCanvasRegion(m_canvas, m_doc.ActiveFace(), m_context, dirty);
    RequestFrame();
}

void CDiscwrightView::RequestFrame() {
    // Anything but the animation needs a newly composed frame.
    m_onlyCopy = false;
    viewport()->update();
}

CBaseObject* CDiscwrightView::PropertyObject() const {
    const Face& face = m_doc.ActiveFace();
    if (face.Selection().size() == 1)
        return face.Selection().front();
    return face.Selection().empty() ? face.Background() : nullptr;
}

void CDiscwrightView::ShowInPropertyBar(CBaseObject* object) {
    Q_EMIT PropertyObjectChanged(object);
}

void CDiscwrightView::RefreshPropertyValues() {
    Q_EMIT PropertyValuesChanged();
}

void CDiscwrightView::RecalcLayout() {
    const QSize face = FaceSizePixels(m_doc.ActiveFace(), Zoom(), m_context.canvas);
    const QSize page = PageSize();
    const QSize client = viewport()->size();
    // The face is centred while it fits with room to spare, else 20 pixels in.
    m_margin.setX(face.width() < client.width() - kPageBorder
                      ? (client.width() - face.width() + kPageBorder) / 2
                      : kPageBorder);
    m_margin.setY(face.height() < client.height() - kPageBorder
                      ? (client.height() - face.height() + kPageBorder) / 2
                      : kPageBorder);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, page.width() - client.width()));
    v->setRange(0, std::max(0, page.height() - client.height()));
    // A page is a tenth of the page size, a line a tenth of that.
    h->setPageStep(std::max(1, page.width() / 10));
    h->setSingleStep(std::max(1, page.width() / 100));
    v->setPageStep(std::max(1, page.height() / 10));
    v->setSingleStep(std::max(1, page.height() / 100));
    RequestFrame();
}

void CDiscwrightView::DrawTrackers(bool withHandles) {
    CDeviceContext dc(m_backBuffer, &m_context);
    for (CBaseObject* object : m_doc.ActiveFace().Selection())
        object->DrawTracker(dc, m_margin.x(), m_margin.y(), withHandles);
}

void CDiscwrightView::ComposeFrame() {
    const QPoint scroll = ScrollPosition();
    const QRect visible(scroll, viewport()->size());
    // The back buffer holds the whole page, and at least the visible part.
    const QSize page = PageSize();
    const QSize needed(std::max(page.width(), visible.right() + 1),
                       std::max(page.height(), visible.bottom() + 1));
    if (m_backBuffer.width() < needed.width() || m_backBuffer.height() < needed.height()) {
        m_backBuffer = QImage(needed.expandedTo(m_backBuffer.size()), QImage::Format_RGB32);
        m_backBuffer.fill(Qt::white);
        // The desk is the same every frame: hatch it once, copy it after.
        m_desk = QImage(m_backBuffer.size(), QImage::Format_RGB32);
        m_desk.fill(Qt::white);
        CDeviceContext desk(m_desk, &m_context);
        desk.FillRect(0, 0, m_desk.width(), m_desk.height(), DeskBrush());
    }
    Face& face = m_doc.ActiveFace();
    {
        CDeviceContext dc(m_backBuffer, &m_context);
        CDeviceContext canvas(m_canvas, &m_context);
        CDeviceContext desk(m_desk, &m_context);
        dc.BitBlt(visible.topLeft(), visible.size(), desk, visible.topLeft());
        SetFaceClip(m_margin, dc, face, OutlineOfFace(m_doc, m_doc.ActiveFaceId()));
        dc.BitBlt(m_margin, m_canvas.size(), canvas, {0, 0});
        if (m_doc.m_gridVisible)
            DrawGrid(dc, m_margin, face, m_doc.m_gridSpacing);
        if (m_doc.ActiveFaceId() == kBackFace)
            DrawFoldLines(dc, m_margin, face);
        dc.SelectClipRegion(nullptr);
        if (m_rubberBand) {
            dc.SetROP2(RasterOp::Invert);
            dc.SelectBrush(Brush::Null());
            dc.SelectPen(Pen{PenStyle::Solid, 0, 0});
            dc.Rectangle(std::min(m_bandDown.x(), m_bandCurrent.x()),
                         std::min(m_bandDown.y(), m_bandCurrent.y()),
                         std::max(m_bandDown.x(), m_bandCurrent.x()) + 1,
                         std::max(m_bandDown.y(), m_bandCurrent.y()) + 1);
            dc.SetROP2(RasterOp::Copy);
        }
    }
    DrawTrackers(true);
}

void CDiscwrightView::SetRubberBand(bool active, QPoint down, QPoint current) {
    m_rubberBand = active;
    m_bandDown = down;
    m_bandCurrent = current;
    RequestFrame();
}

void CDiscwrightView::paintEvent(QPaintEvent*) {
    if (!m_onlyCopy || m_backBuffer.isNull())
        ComposeFrame();
    m_onlyCopy = false;
    QPainter painter(viewport());
    painter.drawImage(QPoint(0, 0), m_backBuffer, QRect(ScrollPosition(), viewport()->size()));
}

void CDiscwrightView::AnimateSelection() {
    ++m_context.animationStep;
    if (m_backBuffer.isNull() || m_doc.ActiveFace().Selection().empty())
        return;
    DrawTrackers(false);
    m_onlyCopy = true;
    viewport()->update();
}

void CDiscwrightView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    RecalcLayout();
}

void CDiscwrightView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    RecalcLayout();
}

void CDiscwrightView::scrollContentsBy(int, int) {
    RequestFrame();
}

void CDiscwrightView::wheelEvent(QWheelEvent* event) {
    // A page up or down on the vertical bar while the page is taller than the
    // window, else on the horizontal bar.
    const bool forward = event->angleDelta().y() > 0;
    QScrollBar* bar =
        viewport()->height() < PageSize().height() ? verticalScrollBar() : horizontalScrollBar();
    bar->triggerAction(forward ? QAbstractSlider::SliderPageStepSub
                               : QAbstractSlider::SliderPageStepAdd);
    event->accept();
}

void CDiscwrightView::ShowFace(int faceId) {
    if (faceId < 0 || faceId >= kFaceCount)
        return;
    if (m_doc.ActiveFaceId() != faceId)
        m_doc.SetActiveFace(faceId);
    CancelTools();
    RecalcLayout();
    ShowFirstSelected();
    RefreshFaceCanvas();
    Q_EMIT FaceShown(faceId);
}

void CDiscwrightView::ShowFirstSelected() {
    ShowInPropertyBar(nullptr);
    const auto& selection = m_doc.ActiveFace().Selection();
    if (!selection.empty())
        ShowInPropertyBar(selection.front());
}

void CDiscwrightView::AfterZoom() {
    RecalcLayout();
    RefreshFaceCanvas();
    Q_EMIT ZoomChanged(m_context.viewZoom);
}

// The zoom steps in double arithmetic on the single-precision zoom, stored
// back as a float: from 1.0 the steps reach 0.4 and 2.0 exactly as the
// comparisons against 0.6 and 2.0 allow.
void CDiscwrightView::ZoomIn() {
    if (static_cast<double>(m_context.viewZoom) < 2.0)
        m_context.viewZoom = static_cast<float>(static_cast<double>(m_context.viewZoom) + 0.2);
    AfterZoom();
}

void CDiscwrightView::ZoomOut() {
    if (static_cast<double>(m_context.viewZoom) > 0.6)
        m_context.viewZoom = static_cast<float>(static_cast<double>(m_context.viewZoom) - 0.2);
    AfterZoom();
}

void CDiscwrightView::Zoom100() {
    m_context.viewZoom = 1.0f;
    AfterZoom();
}

void CDiscwrightView::ToggleGrid() {
    m_doc.m_gridVisible = m_doc.m_gridVisible ? 0 : 1;
    RefreshFaceCanvas();
}

bool CDiscwrightView::IsGridChecked() const {
    return m_doc.m_gridVisible != 0;
}

void CDiscwrightView::SetTool(ToolMode tool) {
    if (tool == m_tool || tool < ToolMode::kSelect || tool > ToolMode::kImage)
        return;
    CurrentTool().Deactivate();
    m_tool = tool;
    UpdateCursor();
    Q_EMIT ToolChanged(tool);
}

void CDiscwrightView::OnUpdate() {
    CancelTools();
    RecalcLayout();
    ShowFirstSelected();
    // An undo or redo draws again only what its edit changed.
    if (const EditFootprint* restored = m_doc.RestoringEdit(); restored != nullptr)
        ShowEdit(*restored);
    else
        RefreshFaceCanvas();
    Q_EMIT FaceShown(m_doc.ActiveFaceId());
}
