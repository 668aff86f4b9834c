#include "cir_text_panel.h"

#include "position_fields.h"
#include "text_controls.h"

#include "objects/cir_text.h"
#include "toolkit/colour_button.h"
#include "view/editing_host.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The angle may be negative: dragging gives angles from -180 to 180.
QLineEdit* NewAngleEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    static const QRegularExpression kSignedDigits(QStringLiteral("-?[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(kSignedDigits, edit));
    edit->setFixedWidth(56); // as wide as the digits-only fields
    return edit;
}
} // namespace

CCirTextPanel::CCirTextPanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : CObjectPanel(host, units, parent), m_angle(NewAngleEdit(this)), m_radius(NewDigitsEdit(this)),
      m_controls(new TextControls(this, units)),
      m_circular(NewToggleButton(this, tr("Cir"), tr("Circular"))),
      m_inverse(NewToggleButton(this, tr("Inv"), tr("Inverse"))) {
    auto* top = new QHBoxLayout;
    auto* angleLabel = new QLabel(tr("Angle"), this);
    angleLabel->setBuddy(m_angle);
    auto* radiusLabel = new QLabel(tr("Radius"), this);
    radiusLabel->setBuddy(m_radius);
    for (QWidget* w : {static_cast<QWidget*>(angleLabel), static_cast<QWidget*>(m_angle),
                       static_cast<QWidget*>(radiusLabel), static_cast<QWidget*>(m_radius)})
        top->addWidget(w);
    top->addWidget(m_controls->m_text, 1);
    top->addWidget(m_controls->m_editText);
    top->addWidget(m_controls->m_trackButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_controls->m_face, 1);
    bottom->addWidget(m_controls->m_size);
    for (QWidget* w :
         {m_controls->m_bold, m_controls->m_italic, m_controls->m_underline, m_circular, m_inverse})
        bottom->addWidget(w);
    bottom->addWidget(m_controls->m_colour);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(top);
    layout->addLayout(bottom);

    for (QLineEdit* field : {m_angle, m_radius})
        OnEdited(field, this, [this] {
            if (IsActive())
                ApplyTo();
        });
    connect(m_controls->m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.isEmpty())
            ApplyTo();
    });
    connect(m_controls, &TextControls::TextReplaced, this, &CCirTextPanel::ApplyTo);
    connect(m_controls->m_editText, &QToolButton::clicked, this,
            [this] { m_controls->EditText(m_host.DialogParent()); });
    // No measuring on a new size: the next paint measures the text in the new
    // height and keeps the middle of its box on the circle, so the text grows
    // about its place instead of sliding along the circle.
    m_controls->EditFontOf([this]() -> const LOGFONTA* {
        CCirText* text = CirText();
        return text != nullptr ? &text->Font() : nullptr;
    });
    connect(m_controls, &TextControls::FontEdited, this, [this](const LOGFONTA& font) {
        if (CCirText* text = CirText()) {
            auto edit = EditObject();
            text->SetFont(font);
            ApplyTo();
        }
    });
    for (QToolButton* style :
         {m_controls->m_bold, m_controls->m_italic, m_controls->m_underline, m_circular, m_inverse})
        connect(style, &QToolButton::clicked, this, [this] {
            if (CCirText* text = CirText()) {
                auto edit = EditObject();
                LOGFONTA font = text->Font();
                m_controls->ReadStyle(font);
                text->SetFont(font);
                text->SetCircular(m_circular->isChecked() ? 1 : 0);
                text->SetInverse(m_inverse->isChecked() ? 1 : 0);
                ApplyTo();
            }
        });
    connect(m_controls->m_colour, &ColourButton::ColourPicked, this, &CCirTextPanel::ApplyTo);
}

CCirText* CCirTextPanel::CirText() const {
    return static_cast<CCirText*>(m_object);
}

void CCirTextPanel::ShowCircle(const CCirText& text) {
    m_shownAngle = static_cast<int>(text.m_angle);
    m_shownRadius = static_cast<int>(text.m_radius);
    ShowValue(m_angle, m_shownAngle);
    ShowValue(m_radius, m_shownRadius);
}

void CCirTextPanel::Load() {
    const CCirText& text = *CirText();
    ShowCircle(text);
    m_controls->ShowFont(text.Font());
    m_circular->setChecked(text.Circular() != 0);
    m_inverse->setChecked(text.Inverse() != 0);
    m_controls->m_text->setText(text.Text());
    m_controls->m_colour->SetColour(ColourFromRef(text.TextColour()));
}

void CCirTextPanel::RefreshPosition(const LogicalRect&) {
    CCirText* text = CirText();
    if (text == nullptr)
        return;
    // Where a drag or the arrow keys put the text on screen becomes its radius
    // and angle.
    text->TrackPosition(m_host.Zoom());
    ShowCircle(*text);
}

void CCirTextPanel::ApplyTo() {
    CCirText* text = CirText();
    if (text == nullptr || m_loading > 0)
        return;
    auto edit = EditObject();
    // An emptied field keeps the object's text: an empty circular text could
    // no longer be seen or picked on the face.
    const QString typed = m_controls->m_text->text();
    if (!typed.isEmpty())
        text->SetText(typed);
    text->SetTextColour(RefFromColour(m_controls->m_colour->Colour()));
    // The fields show whole numbers; a field the user left as shown keeps the
    // exact value, so changing the colour or the font does not turn the text
    // by a fraction of a degree.
    const int angle = FieldValue(m_angle), radius = FieldValue(m_radius);
    text->SetCircle(radius == m_shownRadius ? text->m_radius : radius,
                    angle == m_shownAngle ? text->m_angle : angle, m_host.Zoom());
    m_shownAngle = angle;
    m_shownRadius = radius;
}
