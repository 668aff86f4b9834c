#include "manual_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

ManualWindow::ManualWindow(const QString& page, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Lumvane Manual"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 680);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(QIcon::fromTheme(QStringLiteral("go-previous")), tr("Back"),
                                   m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(QIcon::fromTheme(QStringLiteral("go-next")), tr("Forward"),
                                      m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(QIcon::fromTheme(QStringLiteral("go-home")), tr("Contents"), m_browser,
                   &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    // Closed like any other window of the desktop, or with Escape like a dialog.
    auto* close = new QAction(this);
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    closeKeys.append(QKeySequence(Qt::Key_Escape));
    close->setShortcuts(closeKeys);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    // Pages of the manual stay here; the web and mail go to the desktop.
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_browser->documentTitle() + QStringLiteral(" - Lumvane")); });
    m_browser->setSource(QUrl::fromLocalFile(page));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
}

ManualWindow* ManualWindow::Show(const QString& page, QWidget* parent) {
    static QPointer<ManualWindow> window;
    if (window == nullptr)
        window = new ManualWindow(page, parent);
    else
        window->Browser()->setSource(QUrl::fromLocalFile(page));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
