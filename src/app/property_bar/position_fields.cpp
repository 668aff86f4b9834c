#include "position_fields.h"

#include "document/edit_scope.h"

#include "objects/base_object.h"
#include "objects/proportional_resize.h"

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
        // The edit is now a step of the project's history: Undo in the field
        // takes that step back, not the field's own typing (setText forgets it).
        if (edit->isUndoAvailable() || edit->isRedoAvailable())
            edit->setText(edit->text());
    });
}

int FieldValue(const QLineEdit* edit) {
    return edit->text().toInt();
}

void ShowValue(QLineEdit* edit, int value) {
    edit->setText(QString::number(value));
}

QString MillimetreNumber(int hundredths) {
    // Integer arithmetic, so that every stored value shows exactly.
    const qint64 magnitude = qAbs(qint64(hundredths));
    return QStringLiteral("%1%2.%3")
        .arg(hundredths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

int MillimetreHundredths(const QString& text) {
    static const QRegularExpression kNumber(
        QStringLiteral("^\\s*(-?)([0-9]*)(?:[.,]([0-9]{0,2}))?\\s*(?:mm?)?\\s*$"));
    const QRegularExpressionMatch match = kNumber.match(text);
    if (!match.hasMatch())
        return 0;
    const qint64 whole = match.captured(2).left(7).toLongLong();
    const qint64 fraction = match.captured(3).leftJustified(2, QLatin1Char('0')).toLongLong();
    const qint64 value = whole * 100 + fraction;
    return int(match.captured(1).isEmpty() ? value : -value);
}

namespace {

QLineEdit* NewMillimetreEdit(QWidget* parent, bool mayBeNegative) {
    auto* edit = new QLineEdit(parent);
    const QString pattern = QStringLiteral("%1[0-9]{0,5}([.,][0-9]{0,2})? ?(m|mm)?")
                                .arg(mayBeNegative ? QStringLiteral("-?") : QString());
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-00000.00 mm")) + 12);
    return edit;
}

void ShowMillimetres(QLineEdit* edit, int hundredths) {
    edit->setText(MillimetreNumber(hundredths) + QStringLiteral(" mm"));
}

} // namespace

PositionFields::PositionFields(QWidget* parent)
    : QObject(parent), m_x(NewMillimetreEdit(parent, true)), m_y(NewMillimetreEdit(parent, true)),
      m_w(NewMillimetreEdit(parent, false)), m_h(NewMillimetreEdit(parent, false)) {
    for (QLineEdit* field : {m_x, m_y, m_w, m_h})
        OnEdited(field, this, [this, field] {
            // "10" typed shows as "10.00 mm", the value it stands for.
            ShowMillimetres(field, MillimetreHundredths(field->text()));
            emit Edited(field);
        });
}

void PositionFields::AddTo(QHBoxLayout* layout) {
    // The letters of x, y, width and height.
    const char* const kLabels[] = {QT_TR_NOOP("X"), QT_TR_NOOP("Y"), QT_TR_NOOP("W"),
                                   QT_TR_NOOP("H")};
    QLineEdit* const fields[] = {m_x, m_y, m_w, m_h};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(tr(kLabels[i]), fields[i]->parentWidget());
        label->setBuddy(fields[i]);
        layout->addWidget(label);
        layout->addWidget(fields[i]);
    }
}

void PositionFields::Show(const CBaseObject& object) {
    Show(LogicalRect{object.X(), object.Y(), object.X() + object.Width(),
                     object.Y() + object.Height()});
}

void PositionFields::Show(const LogicalRect& rect) {
    ShowMillimetres(m_x, rect.left);
    ShowMillimetres(m_y, -rect.top);
    ShowMillimetres(m_w, rect.right - rect.left);
    ShowMillimetres(m_h, -(rect.bottom - rect.top));
}

void PositionFields::WriteTo(EditScope& edit, CBaseObject& object) const {
    edit.SetRect(object, X(), -Y(), W(), -H());
}

void PositionFields::SetEnabled(bool enabled) {
    for (QLineEdit* field : {m_x, m_y, m_w, m_h})
        field->setEnabled(enabled);
}

int PositionFields::X() const {
    return MillimetreHundredths(m_x->text());
}
int PositionFields::Y() const {
    return MillimetreHundredths(m_y->text());
}
int PositionFields::W() const {
    return MillimetreHundredths(m_w->text());
}
int PositionFields::H() const {
    return MillimetreHundredths(m_h->text());
}
void PositionFields::SetW(int w) {
    ShowMillimetres(m_w, w);
}
void PositionFields::SetH(int h) {
    ShowMillimetres(m_h, h);
}
void PositionFields::KeepProportions(bool widthEdited, int oldWidth, int oldDepth) {
    if (widthEdited)
        SetH(ProportionalSide(W(), oldWidth, oldDepth));
    else
        SetW(ProportionalSide(H(), oldDepth, oldWidth));
}
