#pragma once

#include <QFontComboBox>

// The font face list of the text panels: the installed scalable fonts, each
// drawn in its own face. A face that is not installed but that fontconfig
// draws with a metric-compatible face (texts default to "Arial", drawn with
// "Liberation Sans") shows as "Arial (Liberation Sans)" with that face
// selected, since the text looks and measures the same; any other missing
// face shows its name greyed with no entry selected.
class FontFaceList : public QFontComboBox {
    Q_OBJECT
public:
    explicit FontFaceList(QWidget* parent);

    // Selects the entry for the face `name`, as above.
    void ShowFace(const QString& name);
    // What the closed list shows.
    QString ShownText() const;

    // The installed face fontconfig draws `name` with when that face is made
    // to measure like it (for example "Liberation Sans" for "Arial"); empty
    // otherwise.
    static QString MetricCompatibleFace(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_substituted; // "Arial (Liberation Sans)" while such a face is shown
};
