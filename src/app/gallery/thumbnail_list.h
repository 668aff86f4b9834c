#pragma once

#include <QListWidget>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ThumbnailLoader;

// An icon list of the pictures in one or more folders (listed together, the
// first folder winning on equal names), filled in the background: items
// appear as their thumbnails are made, in file-name order, and files that are
// no pictures leave no gap. Showing another folder stops the old filling
// before its next file; the window never waits for it.
//
// Each item's caption is the file name (without its extension unless told
// otherwise); its data holds the full path (PathRole) and the caption
// (CaptionRole). The list owns its loaders.
class ThumbnailList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int CaptionRole = Qt::UserRole + 1;

    explicit ThumbnailList(QSize thumbnailSize = {80, 80}, QWidget* parent = nullptr);
    ~ThumbnailList() override;

    QSize ThumbnailSize() const { return m_size; }
    // Takes effect at the next Load.
    void SetThumbnailSize(QSize size);
    void SetStripExtension(bool strip) { m_stripExtension = strip; }

    // Shows the pictures of `folder` (empty: nothing), starting afresh even
    // when it is the folder shown.
    void Load(const QString& folder) {
        Load(folder.isEmpty() ? QStringList() : QStringList{folder});
    }
    // Shows the pictures of `folders` together (none: nothing).
    void Load(const QStringList& folders);
    void Reload() { Load(m_folders); }
    // Empties the list and stops any filling.
    void ClearAndWait() { Load(QStringList()); }
    // The first folder shown (empty when none), and all of them.
    QString Folder() const { return m_folders.value(0); }
    const QStringList& Folders() const { return m_folders; }
    bool IsLoading() const { return m_loading; }

    // The paths of the selected items, in list order.
    QStringList SelectedPaths() const;
    static QString ItemPath(const QListWidgetItem* item);
    // The caption of the file `path`: its name, without the text from its last
    // "." when `stripExtension`.
    static QString Caption(const QString& path, bool stripExtension);

Q_SIGNALS:
    // Every file of the folder has been handled.
    void LoadFinished();

private:
    struct Batch;
    void Receive(unsigned generation, const Batch& batch);
    void Retire();

    QSize m_size;
    bool m_stripExtension = true;
    QStringList m_folders;
    bool m_loading = false;
    unsigned m_generation = 0; // results of older loads are dropped
    std::unique_ptr<ThumbnailLoader> m_loader;
    std::vector<std::unique_ptr<ThumbnailLoader>> m_retired; // cancelled, ending
};
