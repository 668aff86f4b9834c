#include "alignment_spin_box.h"

#include <algorithm>
#include <limits>

AlignmentSpinBox::AlignmentSpinBox(QWidget* parent) : QSpinBox(parent) {
    // The widest range the field can hold; only stepping is limited.
    setRange(std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2);
    setSuffix(QStringLiteral(" mm"));
}

void AlignmentSpinBox::stepBy(int steps) {
    const int v = value();
    // Outside the arrows' range an arrow only leads back towards it.
    if (steps > 0 && v < kArrowLimit)
        setValue(std::min(v + steps, kArrowLimit));
    else if (steps < 0 && v > -kArrowLimit)
        setValue(std::max(v + steps, -kArrowLimit));
    selectAll();
}

QAbstractSpinBox::StepEnabled AlignmentSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() < kArrowLimit)
        enabled |= StepUpEnabled;
    if (value() > -kArrowLimit)
        enabled |= StepDownEnabled;
    return enabled;
}
