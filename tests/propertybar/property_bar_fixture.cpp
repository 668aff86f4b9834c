#include "property_bar_fixture.h"

#include <QTest>

PropertyBarTest::PropertyBarTest() : doc(program.DefaultStocks()) {
    doc.OnNewDocument();
    m_undoCount = doc.UndoCount();
}

int PropertyBarTest::NewUndoSteps() {
    const int steps = doc.UndoCount() - m_undoCount;
    m_undoCount = doc.UndoCount();
    return steps;
}

void PropertyBarTest::Retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    emit field->editingFinished();
}
