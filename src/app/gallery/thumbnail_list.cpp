#include "thumbnail_list.h"

#include "thumbnail_loader.h"

#include <QFileInfo>
#include <QPixmap>

struct ThumbnailList::Batch {
    std::vector<ThumbnailLoader::Result> results;
    bool last = false;
};

ThumbnailList::ThumbnailList(QSize thumbnailSize, QWidget* parent)
    : QListWidget(parent), m_size(thumbnailSize) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setIconSize(m_size);
    setGridSize(m_size + QSize(24, 36));
    setWordWrap(true);
}

ThumbnailList::~ThumbnailList() {
    // The loaders' destructors wait for their workers, which post only to
    // this list: nothing of theirs outlives it.
    if (m_loader)
        m_loader->Cancel();
    for (auto& old : m_retired)
        old->Cancel();
    m_loader.reset();
    m_retired.clear();
}

void ThumbnailList::SetThumbnailSize(QSize size) {
    if (size.isEmpty())
        return;
    m_size = size;
    setIconSize(m_size);
    setGridSize(m_size + QSize(24, 36));
}

void ThumbnailList::Retire() {
    // Loaders whose workers have all ended are let go; the others finish the
    // file in hand first, so they go at a later Load.
    std::erase_if(m_retired, [](const auto& loader) { return loader->Finished(); });
    if (m_loader) {
        m_loader->Cancel();
        m_retired.push_back(std::move(m_loader));
    }
}

void ThumbnailList::Load(const QStringList& folders) {
    Retire();
    ++m_generation;
    m_folders = folders;
    clear();
    if (folders.isEmpty()) {
        m_loading = false;
        Q_EMIT LoadFinished();
        return;
    }
    m_loading = true;
    const unsigned generation = m_generation;
    auto deliver = [this, generation](std::vector<ThumbnailLoader::Result> results, bool last) {
        auto batch = std::make_shared<Batch>(Batch{std::move(results), last});
        // Items are made on the window's thread; the loader thread goes on.
        QMetaObject::invokeMethod(
            this, [this, generation, batch] { Receive(generation, *batch); }, Qt::QueuedConnection);
    };
    m_loader = std::make_unique<ThumbnailLoader>(folders, m_size, std::move(deliver),
                                                 ThumbnailLoader::DefaultWorkers());
}

void ThumbnailList::Receive(unsigned generation, const Batch& batch) {
    if (generation != m_generation)
        return;
    for (const ThumbnailLoader::Result& result : batch.results) {
        if (result.image.isNull())
            continue;
        const QString caption = Caption(result.path, m_stripExtension);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(result.image)), caption);
        item->setData(PathRole, result.path);
        item->setData(CaptionRole, caption);
        item->setToolTip(QFileInfo(result.path).fileName());
        addItem(item);
    }
    if (batch.last) {
        m_loading = false;
        Q_EMIT LoadFinished();
    }
}

QStringList ThumbnailList::SelectedPaths() const {
    QStringList paths;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            paths.push_back(ItemPath(item(i)));
    return paths;
}

QString ThumbnailList::ItemPath(const QListWidgetItem* item) {
    return item ? item->data(PathRole).toString() : QString();
}

QString ThumbnailList::Caption(const QString& path, bool stripExtension) {
    QString name = QFileInfo(path).fileName();
    if (stripExtension) {
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot >= 0)
            name.truncate(dot);
    }
    return name;
}
