#pragma once

#include <QDialog>

class QPlainTextEdit;

// The "Edit Text" dialog: the text of a text object in a multi-line field,
// where Enter starts a new line.
class EditTextDialog : public QDialog {
    Q_OBJECT
public:
    EditTextDialog(const QString& text, QWidget* parent);

    QString Text() const;
    QPlainTextEdit* Field() const { return m_field; }

private:
    QPlainTextEdit* m_field;
};
