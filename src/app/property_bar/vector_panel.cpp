#include "vector_panel.h"

#include "position_fields.h"

#include "objects/vector_image.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

CVectorPanel::CVectorPanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : CObjectPanel(host, units, parent), m_position(new PositionFields(this)),
      m_keepAspect(new QCheckBox(tr("Keep Aspect Ratio"), this)),
      m_note(new QLabel(tr("(this is an vector image)"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_position->AddTo(layout);
    layout->addWidget(m_keepAspect);
    layout->addWidget(m_note);
    layout->addStretch(1);

    connect(m_position, &PositionFields::Edited, this, [this](QLineEdit* field) {
        if (!IsActive() || Picture() == nullptr)
            return;
        if (field == m_position->m_w || field == m_position->m_h) {
            SizeEdited(field == m_position->m_w);
            return;
        }
        ApplyTo();
        Commit();
    });
    connect(m_keepAspect, &QCheckBox::clicked, this, [this] {
        if (Picture() == nullptr)
            return;
        ApplyTo();
        Commit();
    });
}

CVectorImage* CVectorPanel::Picture() const {
    return static_cast<CVectorImage*>(m_object);
}

void CVectorPanel::Load() {
    const CVectorImage& picture = *Picture();
    m_position->Show(picture);
    m_keepAspect->setChecked(picture.m_keepAspectRatio != 0);
}

void CVectorPanel::RefreshPosition(const LogicalRect& rect) {
    m_position->Show(rect);
}

void CVectorPanel::ApplyTo() {
    CVectorImage* picture = Picture();
    if (picture == nullptr || m_loading > 0)
        return;
    m_position->WriteTo(*picture);
    picture->SaveRect();
    picture->m_keepAspectRatio = m_keepAspect->isChecked() ? 1 : 0;
}

void CVectorPanel::SizeEdited(bool widthEdited) {
    CVectorImage& picture = *Picture();
    // The same proportional rule as the picture panel's and the handles'.
    if (m_keepAspect->isChecked() && picture.m_width > 0 && picture.m_height < 0)
        m_position->KeepProportions(widthEdited, picture.m_width, -picture.m_height);
    ApplyTo();
    Commit();
}
