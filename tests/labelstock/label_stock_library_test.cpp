#include "labelstock/label_stock.h"
#include "labelstock/label_stock_library.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(LabelStockLibrary, ListsVisibleIniFilesOfAnyCase) {
    QTemporaryDir dir;
    const QString folder = LabelStockFolder(dir.path(), kFrontKind);
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/label stock/front inside")));
    for (const char* name : {"b.ini", "A.INI", "c.Ini", ".hidden.ini", "notes.txt", "d.ini.bak"})
        WriteTextFile(folder + u'/' + QString::fromLatin1(name), "[general]\n");
    QDir(folder).mkdir(QStringLiteral("folder.ini"));
    QFile::link(folder + QStringLiteral("/nowhere"), folder + QStringLiteral("/dangling.ini"));

    QStringList names;
    for (const QString& path : ListLabelStocks(folder))
        names.append(QFileInfo(path).fileName());
    EXPECT_EQ(names, (QStringList{QStringLiteral("A.INI"), QStringLiteral("b.ini"),
                                  QStringLiteral("c.Ini")}));
    EXPECT_TRUE(ListLabelStocks(dir.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(LabelStockLibrary, ShippedDefaultStocksAreUsable) {
    const TempProgramFolder program;
    const struct {
        QString kind;
        QString file;
        int width;
        int height;
    } defaults[] = {
        {kDiscKind, QStringLiteral("label stock/disc/plain paper(A4).ini"), 12000, 12000},
        {kFrontKind, QStringLiteral("label stock/front inside/Plain Paper (A4).ini"), 12000, 12000},
        {kBackKind, QStringLiteral("label stock/back/Plain Paper(A4).ini"), 15100, 11800},
    };
    for (const auto& d : defaults) {
        LabelStock stock(d.kind);
        ReadLabelStock(stock, program.File(d.file));
        EXPECT_FALSE(stock.path.isEmpty()) << d.file.toStdString();
        EXPECT_EQ(stock.labelWidth, d.width);
        EXPECT_EQ(stock.labelHeight, d.height);
    }
}
