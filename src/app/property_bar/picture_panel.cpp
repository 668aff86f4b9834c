#include "picture_panel.h"

#include "picture_effect_runner.h"
#include "position_fields.h"
#include "position_size_panel.h"

#include "document/discwright_doc.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "toolkit/colour_button.h"
#include "view/editing_host.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>

namespace {

struct EffectButton {
    PictureEffect effect;
    const char* text;
    const char* toolTip;
};

const EffectButton kEffectButtons[kPictureEffectCount] = {
    {PictureEffect::kFlip, "\u2195", QT_TRANSLATE_NOOP("CPicturePanel", "flip")},
    {PictureEffect::kMirror, "\u2194", QT_TRANSLATE_NOOP("CPicturePanel", "mirror")},
    {PictureEffect::kRotateLeft, "\u21b6", QT_TRANSLATE_NOOP("CPicturePanel", "rotate left")},
    {PictureEffect::kRotateRight, "\u21b7", QT_TRANSLATE_NOOP("CPicturePanel", "rotate right")},
    {PictureEffect::kLighten, "+", QT_TRANSLATE_NOOP("CPicturePanel", "lighten")},
    {PictureEffect::kDarken, "\u2212", QT_TRANSLATE_NOOP("CPicturePanel", "darken")},
    {PictureEffect::kSoften, QT_TRANSLATE_NOOP("CPicturePanel", "S"),
     QT_TRANSLATE_NOOP("CPicturePanel", "soften")},
    {PictureEffect::kSharpen, QT_TRANSLATE_NOOP("CPicturePanel", "H"),
     QT_TRANSLATE_NOOP("CPicturePanel", "sharpen")},
    {PictureEffect::kNegative, QT_TRANSLATE_NOOP("CPicturePanel", "N"),
     QT_TRANSLATE_NOOP("CPicturePanel", "negative")},
    {PictureEffect::kGrayscale, QT_TRANSLATE_NOOP("CPicturePanel", "G"),
     QT_TRANSLATE_NOOP("CPicturePanel", "grayscale")},
};

constexpr quint32 kMagenta = 0xFF00FF;

} // namespace

CPicturePanel::CPicturePanel(EditingHost& host, const UnitConversion& units,
                             PictureEditing& editing, QWidget* parent)
    : CObjectPanel(host, units, parent), m_keepAspect(new QCheckBox(tr("Keep Aspect Ratio"), this)),
      m_frame(new PositionSizePanel(m_keepAspect, this)), m_position(m_frame->Fields()),
      m_alpha(new QCheckBox(tr("Alpha channel"), this)),
      m_transparent(new QCheckBox(tr("Transparent"), this)),
      m_transparentColour(new ColourButton(this)), m_transparency(new QLineEdit(this)),
      m_effectRunner(new PictureEffectRunner(this)), m_editing(editing) {
    m_transparency->setValidator(new QIntValidator(0, 255, m_transparency));
    m_transparency->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_frame->AddTo(layout);
    for (QWidget* w : {static_cast<QWidget*>(m_alpha), static_cast<QWidget*>(m_transparent),
                       static_cast<QWidget*>(m_transparentColour)})
        layout->addWidget(w);
    for (int i = 0; i < kPictureEffectCount; ++i) {
        auto* button = new QToolButton(this);
        button->setText(tr(kEffectButtons[i].text));
        button->setToolTip(tr(kEffectButtons[i].toolTip));
        const PictureEffect effect = kEffectButtons[i].effect;
        connect(button, &QToolButton::clicked, this, [this, effect] { RunEffect(effect); });
        layout->addWidget(button);
        m_effects[i] = button;
    }
    layout->addStretch(1);

    connect(m_frame, &PositionSizePanel::Edited, this, [this](QLineEdit* field) {
        if (!IsActive() || Image() == nullptr)
            return;
        auto edit = EditObject();
        m_frame->WriteTo(edit, *Image(), field);
        // A size kept in proportion changes nothing else.
        if (!(m_frame->IsSizeField(field) && m_keepAspect->isChecked()))
            ApplyOptions();
    });
    connect(m_keepAspect, &QCheckBox::clicked, this, [this] {
        if (Image() != nullptr) {
            auto edit = EditObject();
            ApplyTo(edit);
        }
    });
    connect(m_alpha, &QCheckBox::clicked, this, [this] {
        if (Image() == nullptr)
            return;
        {
            auto edit = EditObject();
            ApplyTo(edit);
        }
        m_transparent->setEnabled(!m_alpha->isChecked());
        m_transparentColour->setEnabled(!m_alpha->isChecked());
    });
    connect(m_transparent, &QCheckBox::clicked, this, [this] {
        if (Image() == nullptr)
            return;
        m_transparentColour->setEnabled(m_transparent->isChecked());
        // The option and its colour go into one undo step.
        auto edit = EditObject();
        TakeTransparentColour();
        ApplyTo(edit);
    });
    connect(m_transparentColour, &ColourButton::ColourPicked, this, [this] {
        if (Image() == nullptr)
            return;
        auto edit = EditObject();
        TakeTransparentColour();
        ApplyTo(edit);
    });
}

CImage* CPicturePanel::Image() const {
    return static_cast<CImage*>(m_object);
}

bool CPicturePanel::IsBackground() const {
    return m_object != nullptr && m_host.Document().ActiveFace().Background() == m_object;
}

void CPicturePanel::Load() {
    const CImage& image = *Image();
    const PictureOptions options = m_editing.Options(image);
    const bool hasAlpha = m_editing.HasAlphaChannel(image);
    m_frame->Show(image);
    // A background picture always covers its face.
    m_frame->SetEnabled(!IsBackground());
    m_keepAspect->setChecked(options.keepAspectRatio != 0);
    m_alpha->setChecked(options.useAlphaChannel);
    m_alpha->setEnabled(hasAlpha);
    m_transparent->setChecked(options.transparentColourOn);
    const bool alphaRules = hasAlpha && options.useAlphaChannel;
    m_transparent->setEnabled(!alphaRules);
    m_transparentColour->setEnabled(!alphaRules);
    m_transparentColour->SetColour(ColourFromRef(m_editing.TransparentColour(image)));
    ShowValue(m_transparency, options.transparency);
}

void CPicturePanel::RefreshPosition(const LogicalRect& rect) {
    m_position->Show(rect);
}

void CPicturePanel::ApplyTo(EditScope& edit) {
    CImage* image = Image();
    if (image == nullptr || m_loading > 0)
        return;
    m_frame->WriteTo(edit, *image, nullptr);
    ApplyOptions();
}

void CPicturePanel::ApplyOptions() {
    CImage* image = Image();
    if (image == nullptr || m_loading > 0)
        return;
    PictureOptions options;
    options.keepAspectRatio = m_keepAspect->isChecked() ? 1 : 0;
    options.transparency = FieldValue(m_transparency);
    options.useAlphaChannel = m_alpha->isChecked();
    options.transparentColourOn = m_transparent->isChecked();
    m_editing.SetOptions(*image, options);
}

void CPicturePanel::TakeTransparentColour() {
    CImage& image = *Image();
    quint32 colour = RefFromColour(m_transparentColour->Colour());
    if (colour == kMagenta) {
        colour = m_editing.CornerPixel(image);
        m_transparentColour->SetColour(ColourFromRef(colour));
    }
    m_editing.SetTransparentColour(image, colour);
}

void CPicturePanel::RunEffect(PictureEffect effect) {
    CImage* image = Image();
    if (image == nullptr || !image->Image().IsValid())
        return;
    m_effectRunner->Start(*image, effect, m_host.DialogParent(),
                          [this](CImage& picture, PictureEffectJob& job) {
                              // The picture turns its own size with its pixels.
                              const PaintArea before = PaintAreaOf(picture);
                              if (!picture.TakeEffect(job))
                                  return;
                              auto edit = m_host.Document().Edit();
                              edit.Touched(picture, before);
                              if (m_object == &picture)
                                  LoadFrom(&picture);
                          });
}

bool CPicturePanel::EffectRunning() const {
    return m_effectRunner->Running();
}

void CPicturePanel::CancelEffect() {
    m_effectRunner->Cancel();
}
