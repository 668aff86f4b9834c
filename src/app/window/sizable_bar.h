#pragma once

#include "bar_sizes.h"

#include <QDockWidget>

class QMainWindow;

// A dock bar that remembers its size for each way it is shown (docked along
// the top or bottom, along a side, floating) and gives it back when it is shown
// that way again. A bar that cannot dock keeps its floating size in the
// horizontal pair, its one natural shape.
class CSizableBar : public QDockWidget {
    Q_OBJECT
public:
    CSizableBar(int barId, const QString& title, QMainWindow* window);

    int BarId() const { return m_barId; }
    const BarSizes& Sizes() const { return m_sizes; }
    void SetSizes(const BarSizes& sizes) { m_sizes = sizes; }

    // Sizes the bar as remembered for the way it is shown now.
    void ApplySize();
    // Remembers the bar's present size for the way it is shown now.
    void RememberSize();

private:
    QSize& SizeForState();

    int m_barId;
    QMainWindow* m_window;
    BarSizes m_sizes;
};
