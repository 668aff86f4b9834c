// Printed geometry on pixels: the PDF the page painter makes, rasterised by
// an independent renderer (pdftoppm) at 300 dpi, against the label stock.

#include "print_test_support.h"

#include "document/print_pdf.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One pixel at 300 dpi is 0.085 mm; positions must land within 0.2 mm.
constexpr double kTolerance = 0.2;

class PrintGeometry : public ::testing::Test {
protected:
    void SetUp() override { doc = MakePrintDocument(program); }

    // Prints only `kinds` and rasterises page `page`.
    QImage Print(std::initializer_list<StockKind> kinds, const PrintSettings& settings = {},
                 int page = 1) {
        for (int k = 0; k < kStockKindCount; ++k)
            StockOfKind(*doc, StockKind(k)).printThisKind = 0;
        for (StockKind kind : kinds)
            StockOfKind(*doc, kind).printThisKind = 1;
        QString error;
        EXPECT_TRUE(WriteLabelPdf(*doc, settings, pdf, &error)) << error.toStdString();
        return RasterisePdfPage(pdf, page);
    }

    TempProgramFolder program;
    std::unique_ptr<CDiscwrightDoc> doc;
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
};

TEST_F(PrintGeometry, PageIsTheStocksPaper) {
    doc->GetFace(kDiscFace).SetBackgroundColour(0);
    const QImage sheet = Print({StockKind::Disc});
    // 210 x 297 mm at 300 dpi; PDF page sizes are whole points (0.35 mm).
    EXPECT_NEAR(PixelsToMm(sheet.width()), 210.0, 0.36);
    EXPECT_NEAR(PixelsToMm(sheet.height()), 297.0, 0.36);
    const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(
        QString::fromUtf8(info).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.constData();
}

// The disc of the first label of "plain paper(A4)": 120 mm at (45, 20) mm,
// drawn in black, under the printer alignment.
TEST_F(PrintGeometry, DiscFollowsOffsetsAndExpansion) {
    struct Case {
        const char* name;
        PrintSettings settings;
        double centreX, centreY, width, height;
    } cases[] = {
        {"as the stock says", {}, 105.0, 80.0, 120.0, 120.0},
        // Positive Offset_X moves the print left, positive Offset_Y moves it down.
        {"offset +2 mm x, -1 mm y", {2, -1, 0, 0, 0, 0}, 103.0, 79.0, 120.0, 120.0},
        {"expanded 2 mm each way", {0, 0, 2, 2, 0, 0}, 105.0, 80.0, 122.0, 122.0},
        {"shrunk 4 mm across", {0, 0, -4, 0, 0, 0}, 105.0, 80.0, 116.0, 120.0},
        {"offset and expansion", {-3, 2, 4, -2, 0, 0}, 108.0, 82.0, 124.0, 118.0},
    };
    doc->GetFace(kDiscFace).SetBackgroundColour(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage sheet = Print({StockKind::Disc}, c.settings);
        const PixelBlob disc = FindBlob(sheet, QRectF(20, 0, 170, 145), IsDark);
        ASSERT_GT(disc.count, 0);
        // The measured errors, for the test report (--gtest_output=xml).
        RecordProperty(std::string(c.name) + ": centre error mm",
                       QStringLiteral("%1 %2")
                           .arg(disc.centreX - c.centreX, 0, 'f', 3)
                           .arg(disc.centreY - c.centreY, 0, 'f', 3)
                           .toStdString());
        RecordProperty(std::string(c.name) + ": size error mm",
                       QStringLiteral("%1 %2")
                           .arg(disc.boundsMm.width() - c.width, 0, 'f', 3)
                           .arg(disc.boundsMm.height() - c.height, 0, 'f', 3)
                           .toStdString());
        EXPECT_NEAR(disc.centreX, c.centreX, kTolerance);
        EXPECT_NEAR(disc.centreY, c.centreY, kTolerance);
        EXPECT_NEAR(disc.boundsMm.width(), c.width, kTolerance);
        EXPECT_NEAR(disc.boundsMm.height(), c.height, kTolerance);
        // A disc, not a square: the area of the ellipse within 0.5 %.
        const double area = disc.count * PixelsToMm(1) * PixelsToMm(1);
        EXPECT_NEAR(area / (M_PI / 4 * c.width * c.height), 1.0, 0.005);
    }
}

TEST_F(PrintGeometry, FrontAndInsideCoversLandOnTheirLabels) {
    doc->GetFace(kFrontFace).SetBackgroundColour(0);         // black
    doc->GetFace(kInsideFace).SetBackgroundColour(0x0000FF); // red
    const QImage sheet = Print({StockKind::Front});
    const PixelBlob front = FindBlob(sheet, QRectF(0, 0, 210, 297), IsDark);
    const PixelBlob inside = FindBlob(sheet, QRectF(0, 0, 210, 297), IsRed);
    const QRectF frontLabel(45, 20, 120, 120), insideLabel(45, 155, 120, 120);
    for (const auto& [blob, label] : {std::pair{front, frontLabel}, {inside, insideLabel}}) {
        EXPECT_NEAR(blob.boundsMm.left(), label.left(), kTolerance);
        EXPECT_NEAR(blob.boundsMm.top(), label.top(), kTolerance);
        EXPECT_NEAR(blob.boundsMm.right(), label.right(), kTolerance);
        EXPECT_NEAR(blob.boundsMm.bottom(), label.bottom(), kTolerance);
    }
}

TEST_F(PrintGeometry, OnlyChosenLabelsArePrinted) {
    doc->GetFace(kDiscFace).SetBackgroundColour(0);
    doc->DiscStock().labels[0].selected = 0;
    const QImage sheet = Print({StockKind::Disc});
    EXPECT_EQ(FindBlob(sheet, QRectF(0, 0, 210, 148), IsDark).count, 0);
    const PixelBlob second = FindBlob(sheet, QRectF(0, 148, 210, 149), IsDark);
    EXPECT_NEAR(second.centreX, 105.0, kTolerance);
    EXPECT_NEAR(second.centreY, 215.0, kTolerance);
}

// The back insert of "Plain Paper(A4)" is 151 x 118 mm at (29.5, 20) mm; its
// spine folds lie 8 mm inside its sides, as the editing view shows them.
TEST_F(PrintGeometry, BorderAndFoldLinesWhereTheBoxesAskForThem) {
    LabelStock& back = doc->BackStock();
    auto darkColumn = [](const QImage& sheet, double xMm) {
        return FindBlob(sheet, QRectF(xMm - 0.15, 25, 0.3, 100), IsDark).count > 0;
    };
    const double lines[] = {29.5, 37.5, 172.5, 180.5};
    const struct {
        int border, folds;
        bool expected[4];
    } cases[] = {{0, 0, {false, false, false, false}},
                 {1, 0, {true, false, false, true}},
                 {0, 1, {false, true, true, false}},
                 {1, 1, {true, true, true, true}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "border " << c.border << ", folds " << c.folds);
        back.printBorder = c.border;
        back.printFoldLines = c.folds;
        const QImage sheet = Print({StockKind::Back});
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(darkColumn(sheet, lines[i]), c.expected[i]) << "line at " << lines[i];
        EXPECT_FALSE(darkColumn(sheet, 100.0));
        // The border's top edge at 20 mm.
        EXPECT_EQ(FindBlob(sheet, QRectF(60, 19.85, 80, 0.3), IsDark).count > 0, c.border == 1);
    }
}

} // namespace
