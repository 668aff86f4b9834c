#include "shape_panel.h"

#include "position_fields.h"

#include "objects/shape.h"
#include "toolkit/colour_button.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CShapePanel::CShapePanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : CObjectPanel(host, units, parent), m_position(new PositionFields(this)),
      m_lineWidth(NewDigitsEdit(this, 40)), m_fill(new ColourButton(this)),
      m_line(new ColourButton(this)), m_kind(new QComboBox(this)) {
    // The list index is the shape kind.
    m_kind->addItems({tr("Rectangle"), tr("Round Rectangle"), tr("ellipse"), tr("Diamond")});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_position->AddTo(layout);
    auto addLabelled = [this, layout](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        layout->addWidget(label);
        layout->addWidget(control);
    };
    addLabelled(tr("Border Width"), m_lineWidth);
    addLabelled(tr("Background Color"), m_fill);
    addLabelled(tr("Border Color"), m_line);
    layout->addWidget(m_kind);
    layout->addStretch(1);

    auto applyIfActive = [this] {
        if (IsActive())
            ApplyTo();
    };
    connect(m_position, &PositionFields::Edited, this, applyIfActive);
    OnEdited(m_lineWidth, this, applyIfActive);
    connect(m_kind, &QComboBox::activated, this, &CShapePanel::ApplyTo);
    connect(m_fill, &ColourButton::ColourPicked, this, &CShapePanel::ApplyTo);
    connect(m_line, &ColourButton::ColourPicked, this, &CShapePanel::ApplyTo);
}

CShape* CShapePanel::Shape() const {
    return static_cast<CShape*>(m_object);
}

void CShapePanel::Load() {
    const CShape& shape = *Shape();
    m_position->Show(shape);
    ShowValue(m_lineWidth, shape.LineWidth());
    m_fill->SetColour(ColourFromRef(shape.FillColour()));
    m_line->SetColour(ColourFromRef(shape.LineColour()));
    m_kind->setCurrentIndex(shape.Kind() >= 0 && shape.Kind() < m_kind->count() ? shape.Kind()
                                                                                : -1);
}

void CShapePanel::RefreshPosition(const LogicalRect& rect) {
    m_position->Show(rect);
}

void CShapePanel::ApplyTo() {
    CShape* shape = Shape();
    if (shape == nullptr || m_loading > 0)
        return;
    auto edit = EditObject();
    m_position->WriteTo(edit, *shape);
    shape->SetLineWidth(FieldValue(m_lineWidth));
    if (m_kind->currentIndex() >= 0)
        shape->SetKind(m_kind->currentIndex());
    shape->SetFillColour(RefFromColour(m_fill->Colour()));
    shape->SetLineColour(RefFromColour(m_line->Colour()));
}
