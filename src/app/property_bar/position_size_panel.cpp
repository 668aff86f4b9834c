#include "position_size_panel.h"

#include "position_fields.h"

#include "document/edit_scope.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>

PositionSizePanel::PositionSizePanel(QCheckBox* keepAspect, QWidget* parent)
    : QObject(parent), m_position(new PositionFields(parent)), m_keepAspect(keepAspect) {
    connect(m_position, &PositionFields::Edited, this, &PositionSizePanel::Edited);
}

void PositionSizePanel::AddTo(QHBoxLayout* layout) {
    m_position->AddTo(layout);
    layout->addWidget(m_keepAspect);
}

void PositionSizePanel::Show(const CBaseObject& object) {
    m_position->Show(object);
}

void PositionSizePanel::SetEnabled(bool enabled) {
    m_position->SetEnabled(enabled);
}

bool PositionSizePanel::IsSizeField(const QLineEdit* field) const {
    return field != nullptr && (field == m_position->m_w || field == m_position->m_h);
}

void PositionSizePanel::WriteTo(EditScope& edit, CBaseObject& object,
                                const QLineEdit* edited) const {
    // Without a known size there is no proportion to keep.
    if (IsSizeField(edited) && m_keepAspect->isChecked() && object.Width() > 0 &&
        object.Height() < 0)
        m_position->KeepProportions(edited == m_position->m_w, object.Width(), -object.Height());
    m_position->WriteTo(edit, object);
}
