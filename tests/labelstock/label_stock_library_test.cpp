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

TEST(LabelStockLibrary, UserStocksAreListedWithTheShippedOnesAndWinOnEqualNames) {
    QTemporaryDir dir;
    const QString user = LabelStockFolder(dir.filePath(QStringLiteral("user")), kDiscKind);
    const QString shipped = LabelStockFolder(dir.filePath(QStringLiteral("shipped")), kDiscKind);
    for (const char* name : {"b.ini", "Same.ini"})
        WriteTextFile(user + u'/' + QString::fromLatin1(name), "[general]\n");
    for (const char* name : {"a.ini", "Same.ini", "c.ini"})
        WriteTextFile(shipped + u'/' + QString::fromLatin1(name), "[general]\n");
    EXPECT_EQ(LabelStockFolders(
                  {dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("shipped"))},
                  kDiscKind),
              (QStringList{user, shipped}));
    EXPECT_EQ(
        ListLabelStocks(QStringList{user, shipped, dir.filePath(QStringLiteral("none"))}),
        (QStringList{shipped + QStringLiteral("/a.ini"), user + QStringLiteral("/b.ini"),
                     shipped + QStringLiteral("/c.ini"), user + QStringLiteral("/Same.ini")}));
}

TEST(LabelStockLibrary, StoredPathsThatMovedAreFoundByTheirNameInTheStockFolder) {
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("user"));
    const QString shipped = dir.filePath(QStringLiteral("shipped"));
    const QString stock = QStringLiteral("disc/plain paper(A4).ini");
    WriteTextFile(shipped + QStringLiteral("/label stock/") + stock, "[general]\n");
    WriteTextFile(user + QStringLiteral("/label stock/disc/mine.ini"), "[general]\n");
    WriteTextFile(dir.filePath(QStringLiteral("elsewhere/own.ini")), "[general]\n");
    WriteTextFile(dir.filePath(QStringLiteral("secret.ini")), "[general]\n");
    const QStringList folders{user, shipped};
    const struct {
        QString stored;
        QString found;
    } cases[] = {
        // An existing file is used wherever it lies.
        {dir.filePath(QStringLiteral("elsewhere/own.ini")),
         dir.filePath(QStringLiteral("elsewhere/own.ini"))},
        // A build tree's path, read by an installed program.
        {QStringLiteral("/home/dev/lumvane/build/bin/label stock/") + stock,
         shipped + QStringLiteral("/label stock/") + stock},
        // A path from Windows, in another case.
        {QStringLiteral("C:\\Program Files\\Lumvane\\Label Stock\\disc\\mine.ini"),
         user + QStringLiteral("/label stock/disc/mine.ini")},
        // Nothing of that name: the stored path stays, and reads as unknown.
        {QStringLiteral("/old/label stock/disc/gone.ini"),
         QStringLiteral("/old/label stock/disc/gone.ini")},
        {QStringLiteral("/old/stocks/plain paper(A4).ini"),
         QStringLiteral("/old/stocks/plain paper(A4).ini")},
        // A name that climbs out of the stock folders is not followed.
        {QStringLiteral("/x/label stock/../../secret.ini"),
         QStringLiteral("/x/label stock/../../secret.ini")},
        {QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLabelStockPath(c.stored, folders), c.found) << c.stored.toStdString();
}

TEST(LabelStockLibrary, ReadingAMovedDefaultStockFindsItInTheDataFolders) {
    const TempProgramFolder program;
    const ScopedEnvironment env{{"LUMVANE_HOME", program.Path()}};
    LabelStock disc(kDiscKind);
    ReadLabelStock(disc, QStringLiteral("/usr/share/lumvane/label stock/disc/plain paper(A4).ini"));
    EXPECT_EQ(disc.path, program.File(QStringLiteral("label stock/disc/plain paper(A4).ini")));
    EXPECT_GT(disc.labelWidth, 0);
}
