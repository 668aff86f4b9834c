#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class CDiscwrightView;
class QListWidgetItem;
class QStackedWidget;
class QTabBar;
class ThumbnailList;

// The contents of the "Art Gallery" bar: a tab strip over three thumbnail
// lists, one shown at a time.
// - Layouts (120 × 120, one at a time): the saved layouts of the active face's
//   kind, following the document's active face. A double click, or "Insert
//   Layout" from the context menu, puts the layout under the face's objects;
//   "Delete Layout" deletes its files after asking.
// - Stamps (64 × 64, several): dragged onto the editing view, each selected
//   stamp lands under the mouse pointer (DropStamp).
// - Backgrounds (80 × 80, several): one click makes the picture the active
//   face's background.
// The gallery creates the stamp and background folders when they are missing.
class ArtGallery : public QWidget {
    Q_OBJECT
public:
    enum Tab { kLayoutsTab = 0, kStampsTab = 1, kBackgroundsTab = 2 };

    explicit ArtGallery(CDiscwrightView& view, QWidget* parent = nullptr);

    ThumbnailList& List(Tab tab) const { return *m_lists[tab]; }
    QTabBar& Tabs() const { return *m_tabs; }
    void ShowTab(Tab tab);

    // Inserts the layout file (".lay") given; until one is set, layouts are
    // only shown.
    using LayoutInserter = std::function<void(const QString& layoutPath)>;
    void SetLayoutInserter(LayoutInserter insert) { m_insertLayout = std::move(insert); }
    // Asks a yes/no question; tests answer it without a window.
    using Question = std::function<bool(const QString& text, const QString& title)>;
    void SetQuestion(Question ask) { m_ask = std::move(ask); }

    // The layout of a thumbnail: its path with the last four characters
    // (".jpg") replaced by ".lay".
    static QString LayoutPathOf(const QString& thumbnailPath);
    // Whether "Delete Layout" may remove the layout of a thumbnail: only the
    // user's own layouts, never the shipped ones.
    static bool IsDeletableLayout(const QString& thumbnailPath);

    // The layout commands on the selected layout.
    void InsertSelectedLayout();
    void DeleteSelectedLayout();
    // Drops the selected stamps at the view's window point `at`.
    void DropSelectedStamps(QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The layout menu at `pos` of the list's viewport, when a layout is selected.
    void ShowLayoutMenu(QPoint pos);
    void OnBackgroundClicked(QListWidgetItem* item);
    bool FilterStampMouse(QEvent* event);

    CDiscwrightView& m_view;
    QTabBar* m_tabs;
    QStackedWidget* m_stack;
    std::array<ThumbnailList*, 3> m_lists{};
    LayoutInserter m_insertLayout;
    Question m_ask;

    // Dragging stamps: armed by a press on a stamp, dragging once the mouse
    // has moved far enough with the button down.
    bool m_stampArmed = false;
    bool m_stampDragging = false;
    QPoint m_stampPress;
};
