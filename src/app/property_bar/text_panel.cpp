#include "text_panel.h"

#include "position_fields.h"
#include "text_controls.h"

#include "objects/text.h"
#include "toolkit/colour_button.h"
#include "view/editing_host.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const int kRotations[] = {0, 90, 180, 270};
}

CTextPanel::CTextPanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : CObjectPanel(host, units, parent), m_position(new PositionFields(this)),
      m_controls(new TextControls(this, units)),
      m_alignLeft(NewToggleButton(this, tr("L"), tr("Align Left"))),
      m_alignCentre(NewToggleButton(this, tr("C"), tr("Align Center"))),
      m_alignRight(NewToggleButton(this, tr("R"), tr("Align Right"))),
      m_rotation(new QComboBox(this)) {
    for (int rotation : kRotations)
        m_rotation->addItem(QString::number(rotation));
    m_rotation->hide();

    auto* top = new QHBoxLayout;
    m_position->AddTo(top);
    top->addWidget(m_controls->m_text, 1);
    top->addWidget(m_controls->m_editText);
    top->addWidget(m_controls->m_trackButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_controls->m_face, 1);
    bottom->addWidget(m_controls->m_size);
    for (QWidget* w : {m_controls->m_bold, m_controls->m_italic, m_controls->m_underline})
        bottom->addWidget(w);
    for (QWidget* w : {m_alignLeft, m_alignCentre, m_alignRight})
        bottom->addWidget(w);
    bottom->addWidget(m_controls->m_colour);
    bottom->addWidget(m_rotation);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(m_position, &PositionFields::Edited, this, &CTextPanel::ApplyIfActive);
    connect(m_controls->m_text, &QLineEdit::textEdited, this, &CTextPanel::ApplyTo);
    connect(m_controls, &TextControls::TextReplaced, this, &CTextPanel::ApplyTo);
    connect(m_controls->m_editText, &QToolButton::clicked, this,
            [this] { m_controls->EditText(m_host.DialogParent()); });
    m_controls->EditFontOf([this]() -> const LOGFONTA* {
        CText* text = Text();
        return text != nullptr ? &text->Font() : nullptr;
    });
    connect(m_controls, &TextControls::FontEdited, this, [this](const LOGFONTA& font) {
        if (CText* text = Text()) {
            auto edit = EditObject();
            text->SetFont(font);
            ApplyTo();
        }
    });
    connect(m_rotation, &QComboBox::activated, this, [this](int index) {
        if (CText* text = Text(); text != nullptr && index >= 0) {
            auto edit = EditObject();
            text->SetRotation(kRotations[index]);
            ApplyTo();
        }
    });
    for (QToolButton* style : {m_controls->m_bold, m_controls->m_italic, m_controls->m_underline})
        connect(style, &QToolButton::clicked, this, [this] {
            if (CText* text = Text()) {
                auto edit = EditObject();
                LOGFONTA font = text->Font();
                m_controls->ReadStyle(font);
                text->SetFont(font);
                ReadAlignment();
                ApplyTo();
            }
        });
    for (QToolButton* align : {m_alignLeft, m_alignCentre, m_alignRight})
        connect(align, &QToolButton::clicked, this, [this, align] {
            // The three buttons act as one choice: the clicked one stays down.
            m_alignLeft->setChecked(align == m_alignLeft);
            m_alignCentre->setChecked(align == m_alignCentre);
            m_alignRight->setChecked(align == m_alignRight);
            if (Text() != nullptr) {
                auto edit = EditObject();
                ReadAlignment();
                ApplyTo();
            }
        });
    connect(m_controls->m_colour, &ColourButton::ColourPicked, this, [this](const QColor& colour) {
        if (CText* text = Text()) {
            auto edit = EditObject();
            text->SetTextColour(RefFromColour(colour));
            ApplyTo();
        }
    });
}

CText* CTextPanel::Text() const {
    return static_cast<CText*>(m_object);
}

void CTextPanel::Load() {
    const CText& text = *Text();
    m_position->Show(text);
    m_controls->ShowFont(text.Font());
    m_alignLeft->setChecked(text.Alignment() == CText::kLeft);
    m_alignCentre->setChecked(text.Alignment() == CText::kCentre);
    m_alignRight->setChecked(text.Alignment() == CText::kRight);
    m_controls->m_text->setText(text.Text());
    m_controls->m_colour->SetColour(ColourFromRef(text.TextColour()));
    int rotation = 0;
    while (rotation < 4 && kRotations[rotation] != text.Rotation())
        ++rotation;
    m_rotation->setCurrentIndex(rotation < 4 ? rotation : -1);
}

void CTextPanel::RefreshPosition(const LogicalRect& rect) {
    m_position->Show(rect);
}

void CTextPanel::ReadAlignment() {
    CText& text = *Text();
    if (m_alignCentre->isChecked())
        text.SetAlignment(CText::kCentre);
    else if (m_alignLeft->isChecked())
        text.SetAlignment(CText::kLeft);
    else if (m_alignRight->isChecked())
        text.SetAlignment(CText::kRight);
}

void CTextPanel::ApplyTo() {
    CText* text = Text();
    if (text == nullptr || m_loading > 0)
        return;
    auto edit = EditObject();
    m_position->WriteTo(edit, *text);
    text->SetText(m_controls->m_text->text());
}

void CTextPanel::ApplyIfActive() {
    if (IsActive())
        ApplyTo();
}
