#include "position_fields.h"

#include "objects/base_object.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

QLineEdit* NewDigitsEdit(QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    static const QRegularExpression kDigits(QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(kDigits, edit));
    edit->setFixedWidth(width);
    return edit;
}

void OnEdited(QLineEdit* edit, QObject* context, const std::function<void()>& onEdited) {
    // Leaving an unchanged field must not take an undo step.
    QObject::connect(edit, &QLineEdit::editingFinished, context, [edit, onEdited] {
        if (!edit->isModified())
            return;
        edit->setModified(false);
        onEdited();
    });
}

int FieldValue(const QLineEdit* edit) {
    return edit->text().toInt();
}

void ShowValue(QLineEdit* edit, int value) {
    edit->setText(QString::number(value));
}

PositionFields::PositionFields(QWidget* parent)
    : QObject(parent), m_x(NewDigitsEdit(parent)), m_y(NewDigitsEdit(parent)),
      m_w(NewDigitsEdit(parent)), m_h(NewDigitsEdit(parent)) {
    for (QLineEdit* field : {m_x, m_y, m_w, m_h})
        OnEdited(field, this, [this, field] { emit Edited(field); });
}

void PositionFields::AddTo(QHBoxLayout* layout) {
    const char* const kLabels[] = {"X", "Y", "W", "H"};
    QLineEdit* const fields[] = {m_x, m_y, m_w, m_h};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromLatin1(kLabels[i]), fields[i]->parentWidget());
        label->setBuddy(fields[i]);
        layout->addWidget(label);
        layout->addWidget(fields[i]);
    }
}

void PositionFields::Show(const CBaseObject& object) {
    Show(LogicalRect{object.m_x, object.m_y, object.m_x + object.m_width,
                     object.m_y + object.m_height});
}

void PositionFields::Show(const LogicalRect& rect) {
    ShowValue(m_x, rect.left);
    ShowValue(m_y, -rect.top);
    ShowValue(m_w, rect.right - rect.left);
    ShowValue(m_h, -(rect.bottom - rect.top));
}

void PositionFields::WriteTo(CBaseObject& object) const {
    object.m_x = X();
    object.m_y = -Y();
    object.m_width = W();
    object.m_height = -H();
}

void PositionFields::SetEnabled(bool enabled) {
    for (QLineEdit* field : {m_x, m_y, m_w, m_h})
        field->setEnabled(enabled);
}

int PositionFields::X() const {
    return FieldValue(m_x);
}
int PositionFields::Y() const {
    return FieldValue(m_y);
}
int PositionFields::W() const {
    return FieldValue(m_w);
}
int PositionFields::H() const {
    return FieldValue(m_h);
}
void PositionFields::SetW(int w) {
    ShowValue(m_w, w);
}
void PositionFields::SetH(int h) {
    ShowValue(m_h, h);
}
