#include "labelstock/label_stock.h"
#include "platform/ini_document.h"
#include "support/test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LabelStockTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& text) {
        const QString path = m_dir.filePath(QStringLiteral("stock%1.ini").arg(m_count++));
        WriteTextFile(path, text);
        return path;
    }
    QTemporaryDir m_dir;
    int m_count = 0;
};

const QByteArray kTwoFronts =
    "[general]\nname=Two fronts\npaper width=21000\npaper height=29700\n"
    "label number=2\n"
    "[label.1]\nsource.1=cd jewel front\nleft offset=4500\ntop offset=2000\n"
    "width=12000\nheight=12100\n"
    "[label.2]\nsource.1=cd jewel front\nleft offset=4500\ntop offset=15500\n"
    "width=11000\nheight=11000\n";

} // namespace

TEST_F(LabelStockTest, GeometryFromRightAndBottomOffsets) {
    const IniDocument ini = IniDocument::Load(
        Write("[label.1]\nright offset=1000\nbottom offset=2000\nwidth=12000\nheight=12000\n"));
    EXPECT_EQ(LabelGeometry(ini, QStringLiteral("label.1"), 21500, 27900),
              (StockRect{8500, 13900, 20500, 25900}));
}

TEST_F(LabelStockTest, LeftOffsetMinusOneIsLikeAMissingOne) {
    const IniDocument ini = IniDocument::Load(Write(
        "[label.1]\nleft offset=-1\ntop offset=-1\nright offset=1000\nbottom offset=2000\n"
        "width=12000\nheight=12000\n[label.2]\nleft offset=0\ntop offset=0\nwidth=5\nheight=6\n"));
    EXPECT_EQ(LabelGeometry(ini, QStringLiteral("label.1"), 21500, 27900),
              (StockRect{8500, 13900, 20500, 25900}));
    EXPECT_EQ(LabelGeometry(ini, QStringLiteral("label.2"), 21500, 27900), (StockRect{0, 0, 5, 6}));
}

TEST_F(LabelStockTest, TwoFrontLabelsSizeTheFaceFromTheFirst) {
    LabelStock stock(kFrontKind);
    const QString path = Write(kTwoFronts);
    ReadLabelStock(stock, path);
    EXPECT_EQ(stock.path, path);
    EXPECT_EQ(stock.name, QStringLiteral("Two fronts"));
    EXPECT_EQ(stock.paperWidth, 21000);
    EXPECT_EQ(stock.paperHeight, 29700);
    EXPECT_EQ(stock.labelWidth, 12000);
    EXPECT_EQ(stock.labelHeight, 12100);
    EXPECT_EQ(stock.labels[0].source, kFrontKind);
    EXPECT_EQ(stock.labels[0].selected, 1);
}

TEST_F(LabelStockTest, BackFirstStockReadForTheFrontKind) {
    LabelStock stock(kFrontKind);
    stock.labels[0].selected = 1;
    stock.labels[2].selected = 0; // after the front label: kept as it was
    ReadLabelStock(stock, Write("[general]\nlabel number=3\n"
                                "[label.1]\nsource.1=cd jewel back\nwidth=15100\nheight=11800\n"
                                "[label.2]\nsource.1=cd jewel front\nwidth=12000\nheight=12000\n"
                                "hole.1.width=10\nhole.1.height=20\n"
                                "[label.3]\nsource.1=cd jewel front\nwidth=1\nheight=1\n"));
    EXPECT_EQ(stock.labels[0].selected, 0);
    EXPECT_EQ(stock.labels[0].source, kBackKind);
    EXPECT_EQ(stock.labels[1].selected, 1);
    EXPECT_EQ(stock.labels[2].selected, 0);
    EXPECT_EQ(stock.labelWidth, 12000);
    EXPECT_EQ(stock.labelHeight, 12000);
    EXPECT_EQ(stock.holeWidth, 10);
    EXPECT_EQ(stock.holeHeight, 20);
    EXPECT_EQ(stock.paperWidth, 21500); // defaults of a file that names no paper
    EXPECT_EQ(stock.paperHeight, 27900);
}

TEST_F(LabelStockTest, NoUsableLabelKeepsThePreviousSizes) {
    const QString cases[] = {
        Write("[general]\nname=Only discs\nlabel number=1\n[label.1]\nsource.1=cd disc\n"
              "width=12000\nheight=12000\n"),
        Write("[general]\nname=No labels\n"),
        Write("[general]\nlabel number=-4\n"),
        Write(""),
        m_dir.filePath(QStringLiteral("missing.ini")),
        m_dir.path(), // a folder
    };
    for (const QString& path : cases) {
        LabelStock stock(kBackKind);
        stock.path = QStringLiteral("old");
        stock.labelWidth = 111;
        stock.labelHeight = 222;
        stock.paperWidth = 333;
        ReadLabelStock(stock, path);
        EXPECT_EQ(stock.path, QString()) << path.toStdString();
        EXPECT_EQ(stock.name, QStringLiteral("unknown"));
        EXPECT_EQ(stock.labelWidth, 111);
        EXPECT_EQ(stock.labelHeight, 222);
        EXPECT_EQ(stock.paperWidth, 333);
    }
}

TEST_F(LabelStockTest, LabelsPastTheTwelfthAreIgnored) {
    QByteArray text = "[general]\nlabel number=1000000\n";
    for (int i = 1; i <= 13; ++i)
        text +=
            QStringLiteral("[label.%1]\nsource.1=cd disc\nwidth=%1\nheight=%1\n").arg(i).toLatin1();
    text += "[label.13]\nsource.1=cd jewel back\nwidth=99\nheight=99\n";
    LabelStock back(kBackKind);
    ReadLabelStock(back, Write(text)); // its only label is the 13th
    EXPECT_EQ(back.name, QStringLiteral("unknown"));
    for (const LabelSlot& slot : back.labels)
        EXPECT_EQ(slot.selected, 0);
}

TEST_F(LabelStockTest, AbsurdOffsetsDoNotOverflow) {
    LabelStock disc(kDiscKind);
    ReadLabelStock(disc, Write("[general]\npaper width=-2147483648\nlabel number=1\n"
                               "[label.1]\nsource.1=cd disc\nright offset=2147483647\n"
                               "width=2147483647\nheight=-2147483648\n"));
    EXPECT_EQ(disc.name, QString());
    EXPECT_EQ(disc.labelWidth, 2147483647);
}
