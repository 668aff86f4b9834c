#include "edit_text_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

EditTextDialog::EditTextDialog(const QString& text, QWidget* parent)
    : QDialog(parent), m_field(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Edit Text"));
    m_field->setPlainText(text);
    m_field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_field->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    resize(360, 200);
}

QString EditTextDialog::Text() const {
    return m_field->toPlainText();
}
