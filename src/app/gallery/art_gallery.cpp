#include "art_gallery.h"

#include "stamp_drop.h"
#include "thumbnail_list.h"

#include "document/discwright_doc.h"
#include "document/layout_file.h"
#include "platform/app_places.h"
#include "view/background_commands.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

ArtGallery::ArtGallery(CDiscwrightView& view, QWidget* parent)
    : QWidget(parent), m_view(view), m_tabs(new QTabBar(this)), m_stack(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("ArtGallery"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabs->setFont(QFont(QStringLiteral("Arial"), 9));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(true);
    for (const char* caption :
         {QT_TR_NOOP("Layouts"), QT_TR_NOOP("Stamps"), QT_TR_NOOP("Backgrounds")})
        m_tabs->addTab(tr(caption));
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);

    const struct {
        Tab tab;
        QSize size;
        QAbstractItemView::SelectionMode selection;
        const char* name;
    } kLists[] = {
        {kLayoutsTab, {120, 120}, QAbstractItemView::SingleSelection, "LayoutsList"},
        {kStampsTab, {64, 64}, QAbstractItemView::ExtendedSelection, "StampsList"},
        {kBackgroundsTab, {80, 80}, QAbstractItemView::ExtendedSelection, "BackgroundsList"},
    };
    for (const auto& row : kLists) {
        auto* list = new ThumbnailList(row.size, m_stack);
        list->setObjectName(QLatin1String(row.name));
        list->setSelectionMode(row.selection);
        list->setDragEnabled(false);
        m_lists[row.tab] = list;
        m_stack->addWidget(list);
    }

    ThumbnailList& layouts = List(kLayoutsTab);
    layouts.viewport()->installEventFilter(this);
    // The keyboard's menu request (Menu key, Shift+F10) goes to the list, not
    // to its viewport.
    layouts.installEventFilter(this);
    connect(&layouts, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (m_insertLayout && item)
            m_insertLayout(LayoutPathOf(ThumbnailList::ItemPath(item)));
    });
    connect(&List(kBackgroundsTab), &QListWidget::itemClicked, this,
            &ArtGallery::OnBackgroundClicked);
    List(kBackgroundsTab).installEventFilter(this);
    List(kStampsTab).viewport()->installEventFilter(this);
    List(kStampsTab).setToolTip(tr("Drag a stamp onto the label"));

    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_stack->setCurrentIndex(index);
        m_stack->currentWidget()->setFocus();
    });

    // The art folders are the user's to fill: make them ready to take files.
    for (const QString& folder : {GalleryStampFolder(), GalleryBackgroundFolder()})
        QDir().mkpath(folder);
    CDiscwrightDoc& doc = view.Document();
    connect(&doc, &CDiscwrightDoc::ActiveFaceChanged, this,
            [this](int faceId) { List(kLayoutsTab).Load(LayoutFolders(faceId)); });
    List(kLayoutsTab).Load(LayoutFolders(doc.ActiveFaceId()));
    List(kStampsTab).Load(GalleryStampFolders());
    List(kBackgroundsTab).Load(GalleryBackgroundFolders());
}

void ArtGallery::ShowTab(Tab tab) {
    m_tabs->setCurrentIndex(tab);
}

QString ArtGallery::LayoutPathOf(const QString& thumbnailPath) {
    return thumbnailPath.left(std::max<qsizetype>(0, thumbnailPath.size() - 4)) +
           QStringLiteral(".lay");
}

void ArtGallery::ShowLayoutMenu(QPoint pos) {
    ThumbnailList& layouts = List(kLayoutsTab);
    if (layouts.selectedItems().isEmpty())
        return;
    QMenu menu(this);
    QAction* insert = menu.addAction(tr("Insert Layout"));
    insert->setEnabled(bool(m_insertLayout));
    QAction* remove = menu.addAction(tr("Delete Layout"));
    // Shipped layouts belong to every user of the machine.
    remove->setEnabled(IsDeletableLayout(layouts.SelectedPaths().front()));
    QAction* chosen = menu.exec(layouts.viewport()->mapToGlobal(pos));
    if (chosen == insert)
        InsertSelectedLayout();
    else if (chosen == remove)
        DeleteSelectedLayout();
}

bool ArtGallery::IsDeletableLayout(const QString& thumbnailPath) {
    return CurrentPlaces().IsUserFile(thumbnailPath);
}

void ArtGallery::InsertSelectedLayout() {
    const QStringList selected = List(kLayoutsTab).SelectedPaths();
    if (!selected.isEmpty() && m_insertLayout)
        m_insertLayout(LayoutPathOf(selected.front()));
}

void ArtGallery::DeleteSelectedLayout() {
    ThumbnailList& layouts = List(kLayoutsTab);
    const QStringList selected = layouts.SelectedPaths();
    if (selected.isEmpty() || !IsDeletableLayout(selected.front()))
        return;
    const QString text = tr("Delete selected layout?");
    const QString title = tr("Warn");
    const bool yes =
        m_ask ? m_ask(text, title)
              : QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) == QMessageBox::Yes;
    if (!yes)
        return;
    // The layout and its thumbnail go together; a file already gone is no error.
    const QString layout = LayoutPathOf(selected.front());
    QFile::remove(layout);
    QFile::remove(layout.left(layout.size() - 4) + QStringLiteral(".jpg"));
    layouts.Reload();
}

void ArtGallery::OnBackgroundClicked(QListWidgetItem* item) {
    // Several selected with Ctrl or Shift is a choice in progress, not a pick.
    if (!item || QApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier))
        return;
    SetBackgroundFromFile(m_view, ThumbnailList::ItemPath(item));
}

void ArtGallery::DropSelectedStamps(QPoint at) {
    for (const QString& path : List(kStampsTab).SelectedPaths())
        DropStamp(m_view, path, at);
}

bool ArtGallery::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List(kStampsTab).viewport())
        return FilterStampMouse(event);
    // Enter on a background does what a click does.
    if (watched == &List(kBackgroundsTab) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QListWidgetItem* item = List(kBackgroundsTab).currentItem())
                SetBackgroundFromFile(m_view, ThumbnailList::ItemPath(item));
            return true;
        }
    }
    ThumbnailList& layouts = List(kLayoutsTab);
    if ((watched == layouts.viewport() || watched == &layouts) &&
        event->type() == QEvent::ContextMenu) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        // From the keyboard the menu opens near the list's top-left corner.
        ShowLayoutMenu(request->reason() == QContextMenuEvent::Keyboard || watched == &layouts
                           ? QPoint(5, 5)
                           : request->pos());
        return true;
    }
    if (watched == &layouts && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            ShowLayoutMenu(QPoint(5, 5));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ArtGallery::FilterStampMouse(QEvent* event) {
    ThumbnailList& stamps = List(kStampsTab);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_stampArmed = mouse->button() == Qt::LeftButton &&
                       stamps.itemAt(mouse->position().toPoint()) != nullptr;
        m_stampPress = mouse->position().toPoint();
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_stampArmed || !(mouse->buttons() & Qt::LeftButton))
            return false;
        if (!m_stampDragging && (mouse->position().toPoint() - m_stampPress).manhattanLength() >=
                                    QApplication::startDragDistance()) {
            m_stampDragging = true;
            stamps.viewport()->setCursor(Qt::DragCopyCursor);
        }
        // While dragging, the list must not take the moves as a selection.
        return m_stampDragging;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool dropped = m_stampDragging;
        m_stampArmed = m_stampDragging = false;
        if (!dropped)
            return false;
        stamps.viewport()->unsetCursor();
        // Only a release over the editing view drops; elsewhere the drag ends.
        QWidget* target = m_view.viewport();
        const QPoint at = target->mapFromGlobal(mouse->globalPosition().toPoint());
        if (target->rect().contains(at))
            DropSelectedStamps(at);
        // The list sees the release too, so it ends its own press.
        return false;
    }
    default:
        return false;
    }
}
