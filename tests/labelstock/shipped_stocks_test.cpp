#include "labelstock/label_stock.h"
#include "labelstock/label_stock_library.h"
#include "platform/ini_document.h"
#include "support/test_support.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

#include <gtest/gtest.h>

namespace {

// The first label of `kind` in the stock file, as placed on the sheet.
std::optional<StockRect> FirstLabelOfKind(const QString& path, const QString& kind) {
    const IniDocument ini = IniDocument::Load(path);
    const int paperWidth = ini.ReadInt(u"general", u"paper width", 21500);
    const int paperHeight = ini.ReadInt(u"general", u"paper height", 27900);
    const int count = std::min(ini.ReadInt(u"general", u"label number", 0), kMaxLabelSlots);
    for (int i = 1; i <= count; ++i) {
        const QString section = QStringLiteral("label.%1").arg(i);
        if (ini.ReadString(section, u"source.1", QString()) == kind)
            return LabelGeometry(ini, section, paperWidth, paperHeight);
    }
    return std::nullopt;
}

} // namespace

// Every stock in the library reads as a usable stock of its folder's kind.
TEST(ShippedStocks, EveryStockOfEveryKindIsUsable) {
    const TempProgramFolder program;
    const struct {
        QString kind;
        qsizetype atLeast; // the plain-paper default and the commercial sheets
    } kinds[] = {{kDiscKind, 5}, {kFrontKind, 3}, {kBackKind, 3}};

    for (const auto& k : kinds) {
        const QStringList files = ListLabelStocks(LabelStockFolder(program.Path(), k.kind));
        EXPECT_GE(files.size(), k.atLeast) << k.kind.toStdString();
        for (const QString& file : files) {
            SCOPED_TRACE(QFileInfo(file).fileName().toStdString());
            EXPECT_TRUE(ReadWholeFile(file).startsWith(';')) << "first line is not a comment";

            LabelStock stock(k.kind);
            ReadLabelStock(stock, file);
            EXPECT_EQ(stock.path, file);
            EXPECT_FALSE(stock.name.isEmpty());
            EXPECT_NE(stock.name, QStringLiteral("unknown"));
            EXPECT_GT(stock.labelWidth, 0);
            EXPECT_GT(stock.labelHeight, 0);

            const std::optional<StockRect> label = FirstLabelOfKind(file, k.kind);
            ASSERT_TRUE(label.has_value());
            EXPECT_EQ(label->Width(), stock.labelWidth);
            EXPECT_EQ(label->Height(), stock.labelHeight);
            EXPECT_GE(label->left, 0);
            EXPECT_GE(label->top, 0);
            EXPECT_LE(label->right, stock.paperWidth);
            EXPECT_LE(label->bottom, stock.paperHeight);

            if (k.kind == kDiscKind) {
                EXPECT_GT(stock.holeWidth, 0);
                EXPECT_LT(stock.holeWidth, stock.labelWidth);
                EXPECT_LT(stock.holeHeight, stock.labelHeight);
            } else {
                EXPECT_EQ(stock.holeWidth, 0);
            }
        }
    }
}

// A few products checked against their measured sheets.
TEST(ShippedStocks, KnownProductsKeepTheirMeasurements) {
    const TempProgramFolder program;
    const struct {
        QString kind;
        QString file;
        QString name;
        int paperWidth, paperHeight;
        StockRect label;
        int hole;
    } products[] = {
        {kDiscKind,
         QStringLiteral("Avery 8676.ini"),
         QStringLiteral("Avery 8676 CD/DVD Labels (A4)"),
         21000,
         29700,
         {4586, 2099, 4586 + 11748, 2099 + 11748},
         1199},
        {kDiscKind,
         QStringLiteral("Avery 5824.ini"),
         QStringLiteral("Avery 5824 CD/DVD Labels (US Letter)"),
         21590,
         27940,
         {5080, 1270, 5080 + 11748, 1270 + 11748},
         4128},
        // A sheet with a front card and a back inlet, read for its back label.
        {kBackKind,
         QStringLiteral("Hama 50432.ini"),
         QStringLiteral("Hama 50432 CD inlet (front) / CD inlet (back) (A4)"),
         21000,
         29700,
         {3000, 16000, 3000 + 15100, 16000 + 11750},
         0},
        {kFrontKind,
         QStringLiteral("Hama 50432.ini"),
         QStringLiteral("Hama 50432 CD inlet (front) / CD inlet (back) (A4)"),
         21000,
         29700,
         {3000, 2950, 3000 + 15100, 2950 + 12100},
         0},
    };
    for (const auto& p : products) {
        SCOPED_TRACE(p.file.toStdString());
        const QString path = LabelStockFolder(program.Path(), p.kind) + u'/' + p.file;
        LabelStock stock(p.kind);
        ReadLabelStock(stock, path);
        EXPECT_EQ(stock.path, path);
        EXPECT_EQ(stock.name, p.name);
        EXPECT_EQ(stock.paperWidth, p.paperWidth);
        EXPECT_EQ(stock.paperHeight, p.paperHeight);
        EXPECT_EQ(FirstLabelOfKind(path, p.kind), p.label);
        EXPECT_EQ(stock.labelWidth, p.label.Width());
        EXPECT_EQ(stock.labelHeight, p.label.Height());
        EXPECT_EQ(stock.holeWidth, p.hole);
        EXPECT_EQ(stock.holeHeight, p.hole);
    }
}
