#include "document/discwright_doc.h"
#include "support/test_support.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Print choices that differ from the defaults, to see them arrive.
DocumentSettings PrintChoices(const TempProgramFolder& program) {
    DocumentSettings s = program.DefaultStocks();
    s.printFrontInside = 0;
    s.printBorder = 1;
    return s;
}

} // namespace

TEST(Document, NewProjectDefaults) {
    const TempProgramFolder program;
    CDiscwrightDoc doc(PrintChoices(program));
    ASSERT_TRUE(doc.OnNewDocument());
    for (int id = 0; id < kFaceCount; ++id) {
        const Face& face = doc.GetFace(id);
        EXPECT_TRUE(face.Objects().empty());
        EXPECT_TRUE(face.Selection().empty());
        EXPECT_EQ(face.Background(), nullptr);
        EXPECT_EQ(face.BackgroundColour(), 0xFFFFFFu);
    }
    EXPECT_EQ(doc.Album(), AlbumData::Defaults());
    EXPECT_EQ(doc.Album().title, QStringLiteral("unknown title"));
    EXPECT_EQ(doc.Album().artist, QStringLiteral("unknown artist"));
    EXPECT_EQ(doc.Album().year, QStringLiteral("2006"));
    EXPECT_EQ(doc.ActiveFaceId(), kDiscFace);
    EXPECT_EQ(doc.m_gridVisible, 0);
    EXPECT_EQ(doc.m_gridSpacing, 500);
    EXPECT_FALSE(doc.IsModified());

    // Faces take their stock's label size; front and inside share one stock.
    EXPECT_EQ(doc.GetFace(kDiscFace).Width(), 12000);
    EXPECT_EQ(doc.GetFace(kBackFace).Width(), 15100);
    EXPECT_EQ(doc.GetFace(kBackFace).Height(), 11800);
    EXPECT_EQ(doc.GetFace(kFrontFace).Width(), doc.GetFace(kInsideFace).Width());
    EXPECT_EQ(doc.GetFace(kFrontFace).Height(), doc.GetFace(kInsideFace).Height());
    EXPECT_EQ(&doc.StockOfFace(kInsideFace), &doc.FrontStock());
    EXPECT_EQ(doc.DiscStock().kind, QStringLiteral("cd disc"));
    EXPECT_EQ(doc.FrontStock().kind, QStringLiteral("cd jewel front"));
    EXPECT_EQ(doc.BackStock().kind, QStringLiteral("cd jewel back"));
    EXPECT_EQ(doc.DiscStock().holeWidth, 1500);

    // Print choices come from the settings.
    EXPECT_EQ(doc.DiscStock().printThisKind, 1);
    EXPECT_EQ(doc.FrontStock().printThisKind, 0);
    EXPECT_EQ(doc.BackStock().printBorder, 1);
}

TEST(Document, MissingStocksGiveUnknownAndZeroSizes) {
    CDiscwrightDoc doc(DocumentSettings{QStringLiteral("/nonexistent/a.ini"), QString(),
                                        QStringLiteral("/nonexistent/c.ini")});
    EXPECT_EQ(doc.DiscStock().name, QStringLiteral("unknown"));
    EXPECT_EQ(doc.DiscStock().path, QString());
    EXPECT_EQ(doc.GetFace(kDiscFace).Width(), 0);
}

TEST(Document, NewKeepsStocksActiveFaceAndGrid) {
    const TempProgramFolder program;
    CDiscwrightDoc doc(PrintChoices(program));
    doc.SetActiveFace(kBackFace);
    doc.m_gridVisible = 1;
    doc.Album().title = QStringLiteral("Changed");
    doc.AddObject(std::make_unique<CBaseObject>());
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.ActiveFaceId(), kBackFace);
    EXPECT_EQ(doc.m_gridVisible, 1);
    EXPECT_TRUE(doc.GetFace(kBackFace).Objects().empty());
    EXPECT_EQ(doc.Album().title, QStringLiteral("unknown title"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.BackStock().labelWidth, 15100);
}

TEST(Document, SwitchingFacesKeepsEverySelectionAndNotifies) {
    const TempProgramFolder program;
    CDiscwrightDoc doc(PrintChoices(program));
    QSignalSpy spy(&doc, &CDiscwrightDoc::ActiveFaceChanged);
    auto object = std::make_unique<CBaseObject>();
    object->SetSelected(1);
    CBaseObject* raw = object.get();
    doc.AddObject(std::move(object));
    doc.ActiveFace().RebuildSelection();
    doc.SetActiveFace(kFrontFace);
    doc.SetActiveFace(kDiscFace);
    doc.SetActiveFace(7); // not a face: ignored
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), kFrontFace);
    ASSERT_EQ(doc.GetFace(kDiscFace).Selection().size(), 1u);
    EXPECT_EQ(doc.GetFace(kDiscFace).Selection().front(), raw);
}

TEST(Document, FailedOpenLeavesAnEmptyProjectAndSaysWhy) {
    const TempProgramFolder program;
    CDiscwrightDoc doc(PrintChoices(program));
    doc.AddObject(std::make_unique<CBaseObject>());
    QString error;
    EXPECT_FALSE(doc.OnOpenDocument(program.File(QStringLiteral("missing.dwp")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.dwp")));
    EXPECT_TRUE(doc.GetFace(kDiscFace).Objects().empty());
    EXPECT_EQ(doc.Album(), AlbumData::Defaults());
}
