#include "print_test_support.h"

#include "document/print_job.h"
#include "labelstock/disc_tray_stock.h"

#include <gtest/gtest.h>

namespace {

using K = StockKind;

class PrintPlan : public ::testing::Test {
protected:
    void SetUp() override { doc = MakePrintDocument(program); }

    // Puts the front and back kinds on one combined sheet (a stock whose
    // file holds both the front and the back labels).
    void UseCombinedSheet() {
        for (K kind : {K::Front, K::Back}) {
            LabelStock& stock = StockOfKind(*doc, kind);
            ReadLabelStock(stock,
                           program.File(QStringLiteral("label stock/%1/Hama 50432.ini")
                                            .arg(kind == K::Front ? "front inside" : "back")));
        }
        PrepareLabelPositions(*doc);
    }
    void SetPrinted(bool disc, bool front, bool back) {
        doc->DiscStock().printThisKind = disc;
        doc->FrontStock().printThisKind = front;
        doc->BackStock().printThisKind = back;
    }

    TempProgramFolder program;
    std::unique_ptr<CDiscwrightDoc> doc;
};

TEST_F(PrintPlan, PagesOnSeparateSheets) {
    const struct {
        bool disc, front, back;
        std::vector<PrintPage> pages;
    } cases[] = {
        {true, true, true, {{K::Disc}, {K::Front}, {K::Back}}},
        {false, true, true, {{K::Front}, {K::Back}}},
        {true, false, true, {{K::Disc}, {K::Back}}},
        {false, false, true, {{K::Back}}},
        {false, false, false, {}},
    };
    for (const auto& c : cases) {
        SetPrinted(c.disc, c.front, c.back);
        EXPECT_EQ(PlanPrintPages(*doc), c.pages) << c.disc << c.front << c.back;
    }
}

TEST_F(PrintPlan, FrontAndBackShareACombinedSheet) {
    UseCombinedSheet();
    const struct {
        bool disc, front, back;
        std::vector<PrintPage> pages;
    } cases[] = {
        {true, true, true, {{K::Disc}, {K::Front, K::Back}}},
        {false, true, true, {{K::Front, K::Back}}},
        // Nothing is lost when the front is off.
        {true, false, true, {{K::Disc}, {K::Back}}},
        {false, true, false, {{K::Front}}},
    };
    for (const auto& c : cases) {
        SetPrinted(c.disc, c.front, c.back);
        EXPECT_EQ(PlanPrintPages(*doc), c.pages) << c.disc << c.front << c.back;
    }
}

// The shipped plain-paper front and back stocks are both called "Plain Paper
// (A4)" but place their labels differently: they must not share a sheet, or
// the back insert would print over the front cover.
TEST_F(PrintPlan, SameNameButDifferentLabelsAreSeparateSheets) {
    ASSERT_EQ(doc->FrontStock().name, doc->BackStock().name);
    SetPrinted(false, true, true);
    EXPECT_EQ(PlanPrintPages(*doc), (std::vector<PrintPage>{{K::Front}, {K::Back}}));
}

TEST_F(PrintPlan, FrontLabelsAfterTheFirstTakeTheInsideFace) {
    EXPECT_EQ(FaceOfSlot(*doc, K::Front, 0), kFrontFace);
    EXPECT_EQ(FaceOfSlot(*doc, K::Front, 1), kInsideFace);
    EXPECT_EQ(FaceOfSlot(*doc, K::Disc, 1), kDiscFace);
    EXPECT_EQ(FaceOfSlot(*doc, K::Back, 0), kBackFace);
    // A first label of another kind: every front label shows the front.
    doc->FrontStock().labels[0].source = kBackKind;
    EXPECT_EQ(FaceOfSlot(*doc, K::Front, 1), kFrontFace);
}

TEST_F(PrintPlan, LabelChoiceFromTheCommandLine) {
    QString error;
    ASSERT_TRUE(SelectLabelsFromText(*doc, QStringLiteral("disc=2"), &error));
    EXPECT_EQ(UsableSlots(doc->DiscStock()), std::vector<int>{1});
    ASSERT_TRUE(SelectLabelsFromText(*doc, QStringLiteral("disc=1,2"), &error));
    EXPECT_EQ(UsableSlots(doc->DiscStock()), (std::vector<int>{0, 1}));
    for (const char* bad : {"disc=3", "disc=0", "disc=x", "lid=1", "back=2"}) {
        EXPECT_FALSE(SelectLabelsFromText(*doc, QString::fromLatin1(bad), &error)) << bad;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(UsableSlots(doc->DiscStock()), (std::vector<int>{0, 1}));
}

} // namespace

namespace {

// Front stocks with one label have no room for the inside face: the plan
// leaves it out unless asked for a second sheet of the stock.
TEST_F(PrintPlan, InsideFaceOnASecondSheetOfASingleLabelStock) {
    PrintJobOptions secondSheet;
    secondSheet.insideOnSecondSheet = true;
    for (const char* name : {"Zweckform J8435A.ini", "Neato 69143.ini"}) {
        SCOPED_TRACE(name);
        ReadLabelStock(doc->FrontStock(),
                       program.File(QStringLiteral("label stock/front inside/") + name));
        PrepareLabelPositions(*doc);
        SetPrinted(true, true, true);
        EXPECT_TRUE(InsideFaceLeftOut(*doc));
        EXPECT_EQ(PlanPrintPages(*doc), (std::vector<PrintPage>{{K::Disc}, {K::Front}, {K::Back}}));
        EXPECT_EQ(PlanJobPages(*doc, secondSheet),
                  (std::vector<PrintPage>{{K::Disc}, {K::Front}, {kInsideSheet}, {K::Back}}));
        EXPECT_EQ(&StockOfKind(*doc, kInsideSheet), &doc->FrontStock());
        for (int slot : UsableSlots(doc->FrontStock()))
            EXPECT_EQ(FaceOfSlot(*doc, kInsideSheet, slot), kInsideFace);
        SetPrinted(true, false, true);
        EXPECT_FALSE(InsideFaceLeftOut(*doc));
    }
    // The plain-paper stock has a label for each: nothing is left out.
    ReadLabelStock(doc->FrontStock(),
                   program.File(QStringLiteral("label stock/front inside/Plain Paper (A4).ini")));
    PrepareLabelPositions(*doc);
    SetPrinted(false, true, false);
    EXPECT_FALSE(InsideFaceLeftOut(*doc));
    EXPECT_EQ(PlanJobPages(*doc, secondSheet), (std::vector<PrintPage>{{K::Front}}));
}

// A disc-tray disc is a job of its own; the other kinds go on paper.
TEST_F(PrintPlan, DiscTrayStockSplitsTheJobByFeed) {
    ReadLabelStock(doc->DiscStock(), program.File(QStringLiteral(
                                         "label stock/disc/Disc tray 120 mm printable disc.ini")));
    PrepareLabelPositions(*doc);
    ASSERT_TRUE(IsDiscTrayStock(doc->DiscStock()));
    EXPECT_EQ(doc->DiscStock().paperWidth, 11606);
    EXPECT_EQ(doc->DiscStock().holeWidth, 2200);
    SetPrinted(true, true, false);
    EXPECT_TRUE(PrintsOnDiscTray(*doc));
    const PrintFlags all = KeepOneFeed(*doc, true);
    EXPECT_EQ(PlanPrintPages(*doc), (std::vector<PrintPage>{{K::Disc}}));
    RestorePrintFlags(*doc, all);
    KeepOneFeed(*doc, false);
    EXPECT_EQ(PlanPrintPages(*doc), (std::vector<PrintPage>{{K::Front}}));
    RestorePrintFlags(*doc, all);
    // A paper stock is never the tray's.
    ReadLabelStock(doc->DiscStock(),
                   program.File(QStringLiteral("label stock/disc/plain paper(A4).ini")));
    EXPECT_FALSE(IsDiscTrayStock(doc->DiscStock()));
    EXPECT_FALSE(PrintsOnDiscTray(*doc));
}

} // namespace
