#include "cover_choice.h"

#include "document/discwright_doc.h"
#include "imaging/raster_image.h"
#include "objects/image.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kPreviewSize = 48;

} // namespace

CoverChoice::CoverChoice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoverChoice"));
    m_preview = new QLabel(this);
    m_preview->setFixedSize(kPreviewSize, kPreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_use = new QCheckBox(tr("Use as front cover"), this);
    m_use->setObjectName(QStringLiteral("UseAsFrontCover"));
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setTextFormat(Qt::PlainText);
    auto* text = new QVBoxLayout;
    text->addWidget(m_use);
    text->addWidget(m_sourceLabel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview);
    layout->addLayout(text);
    layout->addStretch();
    m_use->setEnabled(false);
    hide();
}

CoverChoice::~CoverChoice() = default;

bool CoverChoice::SetCandidate(const QByteArray& bytes, const QString& source,
                               bool frontHasBackground) {
    // Decoded by the program's own codecs, which also draw it on the face.
    auto picture = std::make_unique<CImage>(0, 0);
    if (bytes.isEmpty() || !picture->LoadFileBytes(bytes))
        return false;
    m_picture = std::move(picture);
    m_bytes = bytes;
    m_source = source;
    const QImage image = m_picture->Image().ToQImage();
    m_preview->setPixmap(QPixmap::fromImage(image.scaled(
        kPreviewSize - 4, kPreviewSize - 4, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_preview->setToolTip(tr("%1 × %2 pixels").arg(image.width()).arg(image.height()));
    m_sourceLabel->setText(source);
    m_use->setEnabled(true);
    m_use->setChecked(!frontHasBackground);
    show();
    return true;
}

void CoverChoice::Clear() {
    m_picture.reset();
    m_bytes.clear();
    m_source.clear();
    m_preview->clear();
    m_sourceLabel->clear();
    m_use->setChecked(false);
    m_use->setEnabled(false);
    hide();
}

bool CoverChoice::UseAsFrontCover() const {
    return m_picture != nullptr && m_use->isChecked();
}

bool CoverChoice::ApplyTo(CDiscwrightDoc& doc) {
    if (!UseAsFrontCover())
        return false;
    auto edit = doc.Edit(kFrontFace);
    doc.SetFaceBackground(kFrontFace, std::move(m_picture));
    doc.StretchBackground(kFrontFace);
    m_use->setEnabled(false);
    return true;
}
