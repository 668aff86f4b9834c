#pragma once

#include "view/tools/tool_mode.h"

#include "command_rows.h"
#include "document/edit_scope.h"
#include "editing_geometry.h"
#include "editing_host.h"
#include "platform/render_context.h"
#include "tools/tool_prompts.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class CDiscwrightDoc;
class EditingTool;
class Face;
class SelectTool;

// The editing view: the active face on a hatched desk, clipped to its outline,
// with the grid, the back insert's fold lines, the rubber band and the
// animated selection frames, in a scrolled page of the face plus 20 pixels
// of desk on each side.
//
// Drawing has two stages. Every change of what the face shows redraws the
// face canvas (RefreshFaceCanvas, or only the areas an edit names), an image
// of the face at the current zoom;
// painting composes the canvas with the desk, grid and frames in the back
// buffer, which holds the whole page, and copies the visible part to the
// window. The view owns both images; the document owns the faces.
//
// The view follows the document's signals: a replaced content (New, Open,
// undo) shows afresh, removed objects leave the tools first, a changed
// selection or face is drawn again, and an edit draws again what it names.
// No command draws or records anything itself.
//
// Mouse input goes to the view's tools (one object per tool mode, owned by
// the view); keys, the Object menu's commands and the context-menu request
// are handled beside them in discwright_view_input.cpp.
class CDiscwrightView : public QAbstractScrollArea, public EditingHost {
    Q_OBJECT
public:
    explicit CDiscwrightView(CDiscwrightDoc& doc, QWidget* parent = nullptr);
    ~CDiscwrightView() override;

    // EditingHost
    CDiscwrightDoc& Document() override { return m_doc; }
    // Draws the active face again into the face canvas, and shows it.
    void RefreshFaceCanvas();
    CBaseObject* PropertyObject() const override;
    void ShowInPropertyBar(CBaseObject* object) override;
    void RefreshPropertyValues() override;
    float Zoom() const override { return m_context.viewZoom; }
    QPoint Margin() const override { return m_margin; }
    LogicalRect VisibleFaceArea() override;
    QWidget* DialogParent() override { return this; }

    // Zoom, canvas conversion, placeholders and animation step for objects.
    const RenderContext& Context() const { return m_context; }
    QPoint ScrollPosition() const;
    QSize PageSize() const;
    const QImage& FaceCanvas() const { return m_canvas; }
    const QImage& BackBuffer() const { return m_backBuffer; }

    // Window pixel to face units, and back.
    QPoint WindowToFace(QPoint window) const;
    QPoint FaceToWindow(QPoint face) const;

    // Recomputes the page size, margins and scroll ranges.
    void RecalcLayout();
    // Composes a whole frame into the back buffer (what painting shows).
    void ComposeFrame();

    // The rubber band from `down` to `current`, in page pixels; the mouse tools set it.
    void SetRubberBand(bool active, QPoint down = {}, QPoint current = {});

    // The current drawing tool; SetTool emits ToolChanged.
    ToolMode Tool() const { return m_tool; }
    void SetTool(ToolMode tool);

    // The view's command table: zoom, grid, the tools, circular text, select
    // next, select all and the image browser. The rows act on this view.
    CommandRows ViewCommandRows();
    // Runs a row of the view's table or the lock command (whose row the
    // arrange table holds); false for others and for commands that did nothing.
    bool OnCommand(CommandId id);
    bool IsGridChecked() const;
    // The menu and tool-bar state of a command OnCommand runs: false for
    // other ids. The lock command shows `indeterminate` for several objects.
    bool CommandState(CommandId id, bool* enabled, bool* checked, bool* indeterminate = nullptr);
    // Whether `id` is the command of the current tool.
    bool IsToolCommandChecked(CommandId id) const;

    // The object commands of the Object menu.
    void InsertCircularText();
    void SelectNext();
    void SelectAll();

    // Inserts the layout file `path` on the active face (see
    // CDiscwrightDoc::InsertLayout); the property bar then shows nothing.
    bool InsertLayout(const QString& path, QString* error = nullptr);

    // Mouse editing: the pixel mapping at the current zoom, the tools (the
    // select tool holds the drag mode and hovered handle), and the questions
    // the tools ask (tests give answers that open no window).
    PixelMapping Mapping() const { return {Zoom(), m_context.canvas}; }
    SelectTool& Selector();
    EditingTool& CurrentTool();
    // The select tool's drag mode: handle 0-8, 9 nothing, 10 moving.
    int DragMode() const;
    const ToolPrompts& Prompts() const { return m_prompts; }
    void SetPrompts(ToolPrompts prompts) { m_prompts = std::move(prompts); }

public Q_SLOTS:
    // Makes face `faceId` active (keeping every face's selection) and shows it.
    void ShowFace(int faceId);
    void ZoomIn();
    void ZoomOut();
    void Zoom100();
    void ToggleGrid();
    // The document's content changed as a whole (New, Open, undo).
    void OnUpdate();
    // One step of the selection frames' animation.
    void AnimateSelection();

Q_SIGNALS:
    // The active face is shown; its first selected object (or none) belongs
    // in the property bar.
    void FaceShown(int faceId);
    // The property bar is to show `object` (null: nothing), or to read its values again.
    void PropertyObjectChanged(CBaseObject* object);
    void PropertyValuesChanged();
    // The current drawing tool changed (menus and tool bars show it).
    void ToolChanged(ToolMode tool);
    // A zoom command ran (the status bar shows the factor).
    void ZoomChanged(float zoom);
    // The user asked for the editing context menu at `globalPos` (the owner
    // of the menus shows it).
    void ContextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Tab selects the next object instead of moving the focus.
    bool focusNextPrevChild(bool next) override;

private:
    void InitTools();
    // Follows the document's change signals.
    void ListenToDocument();
    // Draws again what an edit (or its undo or redo) changed on the active face.
    void ShowEdit(const EditFootprint& footprint);
    const CommandRow* FindCommand(CommandId id);
    // Drops every tool's drag and hover state (the face or its content changed).
    void CancelTools();
    void UpdateCursor();
    void DrawTrackers(bool withHandles);
    // Schedules a paint that composes the whole frame again.
    void RequestFrame();
    // Clears the property bar, then shows the active face's first selected object.
    void ShowFirstSelected();
    void AfterZoom();

    CDiscwrightDoc& m_doc;
    RenderContext m_context;
    QImage m_canvas;     // the active face at the current zoom
    QImage m_backBuffer; // the composed page
    QImage m_desk;       // the hatched desk, as large as the back buffer
    QPoint m_margin{20, 20};
    bool m_rubberBand = false;
    QPoint m_bandDown;
    QPoint m_bandCurrent;
    ToolMode m_tool = ToolMode::kSelect;
    bool m_onlyCopy = false;      // the next paint copies the back buffer as it is
    bool m_canvasPending = false; // the face changed; a refresh is queued
    QTimer m_animation;

    // One tool per tool mode (none for circular text, which is a command).
    std::array<std::unique_ptr<EditingTool>, kToolModeCount> m_tools;
    EditingTool* m_pressTool = nullptr; // the tool that saw the left button go down
    QPoint m_lastMovePoint{-1, -1};
    // The arrow keys' action: open from the first move to the real key release.
    std::optional<EditScope> m_arrowEdit;
    int m_cursorKey = -1; // what the cursor shows now
    ToolPrompts m_prompts;
    CommandRows m_commandRows; // what OnCommand and CommandState look up
};
