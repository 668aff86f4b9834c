#include "drop_handler.h"

#include "file_commands.h"
#include "picture_insertion.h"
#include "view/discwright_view.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {
// The first local file a drag carries, or an empty string.
QString FirstLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}
} // namespace

bool IsProjectFile(const QString& path) {
    return path.endsWith(QStringLiteral(".dwp"), Qt::CaseInsensitive);
}

DropHandler::DropHandler(QWidget* window, CDiscwrightView& view, FileCommands& files)
    : QObject(window), m_view(view), m_viewport(view.viewport()), m_files(files) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    m_viewport->setAcceptDrops(true);
    m_viewport->installEventFilter(this);
}

bool DropHandler::DropFile(const QString& path, bool onView, QPoint at) {
    if (IsProjectFile(path))
        return m_files.OpenPath(path);
    if (!onView)
        return false;
    if (InsertPictureAt(m_view, path, at))
        return true;
    m_files.ShowError(tr("Can not open file %1").arg(QDir::toNativeSeparators(path)));
    return false;
}

bool DropHandler::eventFilter(QObject* watched, QEvent* event) {
    // The viewport is kept from the start: while the window is destroyed the
    // view may be half gone when its viewport still sends events.
    const bool onView = watched == m_viewport;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        const QString path = FirstLocalFile(drag->mimeData());
        if (!path.isEmpty() && (onView || IsProjectFile(path))) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = FirstLocalFile(drop->mimeData());
        if (path.isEmpty() || !(onView || IsProjectFile(path)))
            return false;
        drop->acceptProposedAction();
        const QPoint at = drop->position().toPoint();
        // The drag source waits for the drop to finish: questions and
        // messages come after it, from the event loop.
        QTimer::singleShot(0, this, [this, path, onView, at] { DropFile(path, onView, at); });
        return true;
    }
    default:
        return false;
    }
}
