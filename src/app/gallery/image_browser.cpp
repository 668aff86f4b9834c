#include "image_browser.h"

#include "thumbnail_list.h"

#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "view/background_commands.h"
#include "view/discwright_view.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kInsertOffsetY = 20; // pixels below the face's top margin
}

ImageBrowser::ImageBrowser(CDiscwrightView& view, QWidget* parent)
    : QDialog(parent), m_view(view), m_model(new QFileSystemModel(this)),
      m_tree(new QTreeView(this)), m_list(new ThumbnailList({80, 80}, this)),
      m_splitter(new QSplitter(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("ImageBrowser"));
    setWindowTitle(tr("Image Browser"));
    setModal(false);
    setFont(QFont(QStringLiteral("Arial"), 9));
    resize(720, 480);

    // Folders only, from the file system's root; the list shows the files.
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QString());
    m_tree->setModel(m_model);
    m_tree->setObjectName(QStringLiteral("FolderTree"));
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->header()->hide();
    m_list->setObjectName(QStringLiteral("BrowserList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_list);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({220, 500});
    m_splitter->setChildrenCollapsible(false);

    // Bottom right, from the right: "OK", "Insert Image", "Set as Background".
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* background = new QPushButton(tr("Set as Background"), this);
    auto* insert = new QPushButton(tr("Insert Image"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    for (QPushButton* button : {background, insert, ok})
        buttons->addWidget(button);
    background->setObjectName(QStringLiteral("SetAsBackground"));
    insert->setObjectName(QStringLiteral("InsertImage"));
    ok->setDefault(true);
    auto updateButtons = [this, background, insert] {
        const bool any = !m_list->selectedItems().isEmpty();
        background->setEnabled(any);
        insert->setEnabled(any);
    };
    updateButtons();
    connect(m_list, &QListWidget::itemSelectionChanged, this, updateButtons);
    connect(background, &QPushButton::clicked, this, &ImageBrowser::SetAsBackground);
    connect(insert, &QPushButton::clicked, this, &ImageBrowser::InsertImages);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ImageBrowser::InsertImages);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 3);
    layout->addWidget(m_splitter, 1);
    layout->addLayout(buttons);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnFolderChosen(current); });
    SelectFolder(QDir::homePath());
}

void ImageBrowser::SelectFolder(const QString& folder) {
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid())
        return;
    m_tree->expand(index.parent());
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    // Selecting the current folder again reloads it.
    if (m_list->Folder() != m_model->filePath(index))
        OnFolderChosen(index);
}

void ImageBrowser::OnFolderChosen(const QModelIndex& index) {
    const QString path = m_model->filePath(index);
    // An entry without a file-system path changes nothing.
    if (path.isEmpty())
        return;
    setWindowTitle(QDir::toNativeSeparators(path));
    m_list->Load(path);
}

void ImageBrowser::SetAsBackground() {
    const QStringList selected = m_list->SelectedPaths();
    if (!selected.isEmpty())
        SetBackgroundFromFile(m_view, selected.front());
}

void ImageBrowser::InsertImages() {
    // Near the face's top-left corner, whatever the zoom and scroll.
    const QPoint margin = m_view.Margin();
    const QPoint at =
        m_view.Context().canvas.DeviceToLogical(QPoint(margin.x(), margin.y() + kInsertOffsetY));
    CDiscwrightDoc& doc = m_view.Document();
    PicturePlacement placement;
    placement.at = at;
    // Every picture inserted at once is one undo step; the last one stays selected.
    auto edit = doc.Edit();
    for (const QString& path : m_list->SelectedPaths()) {
        if (CBaseObject* picture = InsertPictureFile(doc, edit.FaceId(), path, placement))
            m_view.ShowInPropertyBar(picture);
    }
}

void ImageBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_list->Folder().isEmpty() && m_tree->currentIndex().isValid())
        OnFolderChosen(m_tree->currentIndex());
}

void ImageBrowser::hideEvent(QHideEvent* event) {
    // A hidden browser holds no thumbnails and makes none.
    m_list->ClearAndWait();
    QDialog::hideEvent(event);
}
