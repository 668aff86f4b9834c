#pragma once

#include <QColor>
#include <QToolButton>

// A button that shows one colour as a swatch and lets the user pick another
// with the colour dialog. ColourPicked is emitted only for a user's choice,
// never for SetColour.
class ColourButton : public QToolButton {
    Q_OBJECT
public:
    explicit ColourButton(QWidget* parent = nullptr);

    QColor Colour() const { return m_colour; }
    // Shows `colour` without telling anyone.
    void SetColour(const QColor& colour);
    // Takes `colour` as if the user had picked it in the dialog.
    void PickColour(const QColor& colour);

signals:
    void ColourPicked(const QColor& colour);

private:
    void OpenDialog();
    void UpdateSwatch();

    QColor m_colour = Qt::black;
};

// Colours as objects store them: 0x00BBGGRR.
QColor ColourFromRef(quint32 ref);
quint32 RefFromColour(const QColor& colour);
