#pragma once

#include <QWidget>

class QTextBrowser;

// Lumvane's own window for its HTML manual, used when the desktop has no
// browser to open it: pages, links between them, pictures and the shared
// style sheet, with Back, Forward and Home. Links that leave the manual go
// to the desktop.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(const QString& page, QWidget* parent = nullptr);

    // Shows the one manual window (made on first use) at `page`.
    static ManualWindow* Show(const QString& page, QWidget* parent);
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
