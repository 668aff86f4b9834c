#pragma once

#include <QSpinBox>

// A whole-millimetre alignment field. Its arrows keep to -100 ... 100, but a
// value typed in or loaded from the settings file is kept as it is, however
// large: the field never rewrites what the user or the file said.
class AlignmentSpinBox : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int kArrowLimit = 100;

    explicit AlignmentSpinBox(QWidget* parent = nullptr);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};
