#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// "Tip of the Day": one short hint about Lumvane at a time, with "Next Tip"
// and a box that says whether the tips come up when Lumvane starts. Which tip
// comes next and the start-up choice live in the user's profile (group "Tip").
class CTipOfTheDay : public QDialog {
    Q_OBJECT
public:
    explicit CTipOfTheDay(QWidget* parent = nullptr);
    ~CTipOfTheDay() override;

    // Whether the tips are offered at start-up (yes until the user says no).
    static bool ShowAtStartup();
    // The hints, in the order they are shown.
    static const QStringList& Tips();

    QString ShownTip() const;
    QCheckBox* StartupBox() const { return m_startup; }

public Q_SLOTS:
    void NextTip();

private:
    void Show(int index);

    QLabel* m_tip;
    QCheckBox* m_startup;
    int m_index = 0;
};
