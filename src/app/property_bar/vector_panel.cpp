#include "vector_panel.h"

#include "position_fields.h"
#include "position_size_panel.h"

#include "objects/vector_image.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

CVectorPanel::CVectorPanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : CObjectPanel(host, units, parent), m_keepAspect(new QCheckBox(tr("Keep Aspect Ratio"), this)),
      m_frame(new PositionSizePanel(m_keepAspect, this)), m_position(m_frame->Fields()),
      m_note(new QLabel(tr("(this is an vector image)"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_frame->AddTo(layout);
    layout->addWidget(m_note);
    layout->addStretch(1);

    connect(m_frame, &PositionSizePanel::Edited, this, [this](QLineEdit* field) {
        if (!IsActive() || Picture() == nullptr)
            return;
        auto edit = EditObject();
        ApplyTo(edit, field);
    });
    connect(m_keepAspect, &QCheckBox::clicked, this, [this] {
        if (Picture() == nullptr)
            return;
        auto edit = EditObject();
        ApplyTo(edit, nullptr);
    });
}

CVectorImage* CVectorPanel::Picture() const {
    return static_cast<CVectorImage*>(m_object);
}

void CVectorPanel::Load() {
    const CVectorImage& picture = *Picture();
    m_frame->Show(picture);
    m_keepAspect->setChecked(picture.KeepAspectRatio() != 0);
}

void CVectorPanel::RefreshPosition(const LogicalRect& rect) {
    m_position->Show(rect);
}

void CVectorPanel::ApplyTo(EditScope& edit, const QLineEdit* edited) {
    CVectorImage* picture = Picture();
    if (picture == nullptr || m_loading > 0)
        return;
    m_frame->WriteTo(edit, *picture, edited);
    picture->SetKeepAspectRatio(m_keepAspect->isChecked() ? 1 : 0);
}
