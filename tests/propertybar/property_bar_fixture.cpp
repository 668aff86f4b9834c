#include "property_bar_fixture.h"

#include <QTest>

namespace {

DocumentSettings Settings(const TempProgramFolder& program) {
    DocumentSettings s;
    s.discStockPath = program.File(QStringLiteral("label stock/disc/plain paper(A4).ini"));
    s.frontStockPath =
        program.File(QStringLiteral("label stock/front inside/Plain Paper (A4).ini"));
    s.backStockPath = program.File(QStringLiteral("label stock/back/Plain Paper(A4).ini"));
    return s;
}

} // namespace

PropertyBarTest::PropertyBarTest() : doc(Settings(program)) {
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
