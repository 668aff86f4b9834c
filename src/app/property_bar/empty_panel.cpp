#include "empty_panel.h"

#include <QHBoxLayout>
#include <QLabel>

CEmptyPanel::CEmptyPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(tr("Please add or select object(s) in the working area"), this));
    layout->addStretch(1);
}
