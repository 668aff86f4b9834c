#include "colour_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

ColourButton::ColourButton(QWidget* parent) : QToolButton(parent) {
    setIconSize(QSize(24, 14));
    UpdateSwatch();
    connect(this, &QToolButton::clicked, this, &ColourButton::OpenDialog);
}

void ColourButton::SetColour(const QColor& colour) {
    m_colour = colour;
    UpdateSwatch();
}

void ColourButton::PickColour(const QColor& colour) {
    SetColour(colour);
    emit ColourPicked(m_colour);
}

void ColourButton::OpenDialog() {
    const QColor chosen = QColorDialog::getColor(m_colour, this);
    if (chosen.isValid())
        PickColour(chosen);
}

void ColourButton::UpdateSwatch() {
    QPixmap swatch(iconSize());
    swatch.fill(m_colour);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
}

QColor ColourFromRef(quint32 ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

quint32 RefFromColour(const QColor& colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
