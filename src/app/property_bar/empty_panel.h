#pragma once

#include <QWidget>

// What the bar shows when there is no object to show.
class CEmptyPanel : public QWidget {
    Q_OBJECT
public:
    explicit CEmptyPanel(QWidget* parent);
};
