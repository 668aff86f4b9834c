#include "text_controls.h"

#include "edit_text_dialog.h"
#include "font_face_list.h"
#include "toolkit/colour_button.h"
#include "tracks/placeholders.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QFontComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

const int TextControls::kSizes[19] = {6,  7,  8,  9,  10, 11, 12, 14, 16, 18,
                                      20, 22, 24, 26, 28, 30, 36, 48, 72};

QToolButton* NewToggleButton(QWidget* parent, const QString& text, const QString& toolTip) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setCheckable(true);
    return button;
}

TextControls::TextControls(QWidget* panel, const UnitConversion& units)
    : QObject(panel), m_face(new FontFaceList(panel)), m_size(new QComboBox(panel)),
      m_bold(NewToggleButton(panel, tr("B"), tr("Bold"))),
      m_italic(NewToggleButton(panel, tr("I"), tr("Italic"))),
      m_underline(NewToggleButton(panel, tr("U"), tr("Underline"))), m_text(new QLineEdit(panel)),
      m_colour(new ColourButton(panel)), m_trackButton(new QToolButton(panel)),
      m_editText(new QToolButton(panel)), m_trackMenu(new QMenu(tr("Track"), panel)),
      m_units(units) {
    for (int size : kSizes)
        m_size->addItem(QString::number(size));
    QFont bold = m_bold->font();
    bold.setBold(true);
    m_bold->setFont(bold);
    QFont italic = m_italic->font();
    italic.setItalic(true);
    m_italic->setFont(italic);
    QFont underline = m_underline->font();
    underline.setUnderline(true);
    m_underline->setFont(underline);
    m_text->setMinimumWidth(120);
    m_colour->setToolTip(tr("Color"));

    m_trackButton->setText(tr("#"));
    m_trackButton->setToolTip(tr("Insert Track Information"));
    m_editText->setText(tr("..."));
    m_editText->setToolTip(tr("Edit Text"));
    for (const PlaceholderTemplate& entry : PlaceholderTemplates()) {
        const QString text = QString::fromLatin1(entry.text);
        QAction* action = m_trackMenu->addAction(QString::fromLatin1(entry.caption));
        action->setData(entry.commandId);
        connect(action, &QAction::triggered, this, [this, text] { ReplaceText(text); });
    }
    connect(m_trackButton, &QToolButton::clicked, this, &TextControls::PopUpTrackMenu);
}

void TextControls::ShowFont(const LOGFONTA& font) {
    m_face->ShowFace(font.FaceName());
    const QString size = QString::number(m_units.UnitsToPixels(font.lfHeight));
    m_size->setCurrentIndex(m_size->findText(size, Qt::MatchExactly));
    m_bold->setChecked(font.lfWeight == 700);
    m_italic->setChecked(font.lfItalic != 0);
    m_underline->setChecked(font.lfUnderline != 0);
}

void TextControls::ReadStyle(LOGFONTA& font) const {
    font.lfWeight = m_bold->isChecked() ? 700 : 400;
    font.lfItalic = m_italic->isChecked() ? 1 : 0;
    font.lfUnderline = m_underline->isChecked() ? 1 : 0;
}

int TextControls::ChosenHeight() const {
    return m_units.PixelsToUnits(m_size->currentText().toInt());
}

void TextControls::PopUpTrackMenu() {
    QPoint at = QCursor::pos();
    // Without a usable cursor position the menu opens at the bar's corner.
    if (at == QPoint(-1, -1))
        at = m_trackButton->parentWidget()->mapToGlobal(QPoint(5, 5));
    m_trackMenu->exec(at);
}

void TextControls::EditText(QWidget* dialogParent) {
    EditTextDialog dialog(m_text->text(), dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString text = dialog.Text();
    if (!text.isEmpty())
        ReplaceText(text);
}

void TextControls::ReplaceText(const QString& text) {
    m_text->setText(text);
    emit TextReplaced(text);
}

void TextControls::EditFontOf(std::function<const LOGFONTA*()> font) {
    connect(m_face, &QComboBox::activated, this, [this, font] {
        if (const LOGFONTA* current = font()) {
            LOGFONTA changed = *current;
            changed.SetFaceName(m_face->currentFont().family());
            Q_EMIT FontEdited(changed);
        }
    });
    connect(m_size, &QComboBox::activated, this, [this, font] {
        if (const LOGFONTA* current = font()) {
            LOGFONTA changed = *current;
            changed.lfHeight = ChosenHeight();
            Q_EMIT FontEdited(changed);
        }
    });
}
