// A back insert made from a shipped layout, printed to PDF: its track list
// block lists every title, in order, as text that poppler's pdftotext reads.
#include "print_test_support.h"

#include "document/layout_file.h"
#include "document/print_pdf.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TrackListPrint, PrintedBackInsertListsEveryTitleInOrder) {
    TempProgramFolder program;
    std::unique_ptr<CDiscwrightDoc> doc = MakePrintDocument(program);
    for (int k = 0; k < kStockKindCount; ++k)
        StockOfKind(*doc, StockKind(k)).printThisKind = StockKind(k) == StockKind::Back;

    for (const int count : {9, 22, 60}) {
        SCOPED_TRACE(count);
        Face::ObjectList objects;
        QString error;
        ASSERT_TRUE(ReadLayoutFile(
            QStringLiteral(LUMVANE_SOURCE_DATA "/layouts/back/Ocean Band.lay"), objects, &error))
            << error.toStdString();
        doc->GetFace(kBackFace).ReplaceObjects(std::move(objects));
        AlbumData& album = doc->Album();
        album.tracks.clear();
        for (int i = 1; i <= count; ++i)
            album.tracks.push_back({QString(), QStringLiteral("Title%1x").arg(i),
                                    QStringLiteral("4:%1").arg(i % 60, 2, 10, QLatin1Char('0'))});

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("back.pdf"));
        ASSERT_TRUE(WriteLabelPdf(*doc, PrintSettings{}, pdf, &error)) << error.toStdString();
        const QString text =
            QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
        qsizetype last = -1;
        for (int i = 1; i <= count; ++i) {
            const qsizetype at = text.indexOf(QStringLiteral("Title%1x").arg(i));
            ASSERT_GT(at, last) << "title " << i << " in\n" << text.toStdString();
            last = at;
        }
        EXPECT_FALSE(text.contains(QStringLiteral("<title"))) << text.toStdString();
    }
}
