#pragma once

#include <QObject>
#include <QPointer>

class CDiscwrightView;
class FileCommands;
class QDropEvent;

// Files dropped on the window: a project file (".dwp") anywhere opens it,
// asking first whether to save a modified project; any other file dropped on
// the editing view becomes a picture at the drop point, or says "Can not open
// file ..." when it is no picture.
class DropHandler : public QObject {
    Q_OBJECT
public:
    DropHandler(QWidget* window, CDiscwrightView& view, FileCommands& files);

    // Handles the drop of `path` at the view's window point `at` (`onView`:
    // dropped on the editing view); true when something was done.
    bool DropFile(const QString& path, bool onView, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDiscwrightView& m_view;
    QPointer<QWidget> m_viewport;
    FileCommands& m_files;
};

// Whether `path` names a project file.
bool IsProjectFile(const QString& path);
