#pragma once

#include <QDialog>

class CDiscwrightView;
class QFileSystemModel;
class QModelIndex;
class QSplitter;
class QTreeView;
class ThumbnailList;

// The modeless "Image Browser": a folder tree of the file system beside the
// thumbnails of the chosen folder, with "Set as Background" (the first
// selected picture covers the active face), "Insert Image" (each selected
// picture goes onto the face near its top-left corner) and "OK". Closing only
// hides it; the window keeps the folder and shows its pictures again when
// it is opened.
class ImageBrowser : public QDialog {
    Q_OBJECT
public:
    explicit ImageBrowser(CDiscwrightView& view, QWidget* parent = nullptr);

    ThumbnailList& List() const { return *m_list; }
    QTreeView& Tree() const { return *m_tree; }
    // Shows `folder` in the tree and its pictures in the list.
    void SelectFolder(const QString& folder);

    void SetAsBackground();
    void InsertImages();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnFolderChosen(const QModelIndex& index);

    CDiscwrightView& m_view;
    QFileSystemModel* m_model;
    QTreeView* m_tree;
    ThumbnailList* m_list;
    QSplitter* m_splitter;
};
