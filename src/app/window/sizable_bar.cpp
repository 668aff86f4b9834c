#include "sizable_bar.h"

#include <QMainWindow>

CSizableBar::CSizableBar(int barId, const QString& title, QMainWindow* window)
    : QDockWidget(title, window), m_barId(barId), m_window(window) {
    setObjectName(QStringLiteral("SCBar-%1").arg(barId));
    connect(this, &QDockWidget::topLevelChanged, this, [this] { ApplySize(); });
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { ApplySize(); });
}

QSize& CSizableBar::SizeForState() {
    if (isFloating())
        return allowedAreas() == Qt::NoDockWidgetArea ? m_sizes.horizontal : m_sizes.floating;
    switch (m_window->dockWidgetArea(this)) {
    case Qt::LeftDockWidgetArea:
    case Qt::RightDockWidgetArea:
        return m_sizes.vertical;
    default:
        return m_sizes.horizontal;
    }
}

void CSizableBar::ApplySize() {
    const QSize size = SizeForState();
    if (isFloating()) {
        resize(size);
        return;
    }
    if (m_window->dockWidgetArea(this) == Qt::LeftDockWidgetArea ||
        m_window->dockWidgetArea(this) == Qt::RightDockWidgetArea)
        m_window->resizeDocks({this}, {size.width()}, Qt::Horizontal);
    else
        m_window->resizeDocks({this}, {size.height()}, Qt::Vertical);
}

void CSizableBar::RememberSize() {
    SizeForState() = size();
}
