// What the PDF holds, read by independent tools (poppler's pdfimages and
// pdffonts): text stays text with its font embedded, and a picture shown on
// many labels is one image object, a JPEG keeping its file's bytes.

#include "print_test_support.h"

#include "document/print_pdf.h"
#include "objects/image.h"
#include "objects/text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include <gtest/gtest.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/images/") + QLatin1String(name);
}

// A sheet of twelve 40 mm discs in four rows of three.
QByteArray TwelveDiscStock() {
    QByteArray ini = "[general]\nname=Twelve discs\npaper width=21000\npaper height=29700\n"
                     "label number=12\n";
    for (int i = 0; i < 12; ++i) {
        ini += QStringLiteral("[label.%1]\nshape=ellipse\nsource.1=cd disc\nleft offset=%2\n"
                              "top offset=%3\nwidth=4000\nheight=4000\n")
                   .arg(i + 1)
                   .arg(2500 + (i % 3) * 6000)
                   .arg(2500 + (i / 3) * 6000)
                   .toLatin1();
    }
    return ini;
}

struct ImageRow {
    QString type, encoding, object;
};

// The rows of `pdfimages -list`: one per drawing of an image.
std::vector<ImageRow> ListImages(const QString& pdf) {
    std::vector<ImageRow> rows;
    const QStringList lines =
        QString::fromUtf8(RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}))
            .split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) { // two header lines
        const QStringList f = lines[i].split(u' ', Qt::SkipEmptyParts);
        if (f.size() >= 12)
            rows.push_back({f[2], f[8], f[10]});
    }
    return rows;
}

class PdfContent : public ::testing::Test {
protected:
    void SetUp() override {
        WriteTextFile(program.File(QStringLiteral("label stock/disc/Twelve.ini")),
                      TwelveDiscStock());
        doc = MakePrintDocument(program);
        ReadLabelStock(doc->DiscStock(),
                       program.File(QStringLiteral("label stock/disc/Twelve.ini")));
        doc->ApplyLabelSizes();
        for (int k = 0; k < kStockKindCount; ++k)
            StockOfKind(*doc, StockKind(k)).printThisKind = k == 0;
    }

    void AddBackground(const char* file) {
        auto picture = std::make_unique<CImage>();
        ASSERT_TRUE(picture->LoadFile(Fixture(file)));
        Face& face = doc->GetFace(kDiscFace);
        picture->SetWidth(face.Width());
        picture->SetHeight(-face.Height());
        face.SetBackground(std::move(picture));
    }

    QString Write() {
        QString error;
        EXPECT_TRUE(WriteLabelPdf(*doc, PrintSettings{}, pdf, &error)) << error.toStdString();
        return pdf;
    }

    TempProgramFolder program;
    std::unique_ptr<CDiscwrightDoc> doc;
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
};

TEST_F(PdfContent, JpegPhotoOnTwelveLabelsIsOneObjectWithTheFilesBytes) {
    AddBackground("jpeg_rgb.jpg");
    const std::vector<ImageRow> rows = ListImages(Write());
    ASSERT_EQ(rows.size(), 12u);
    for (const ImageRow& row : rows) {
        EXPECT_EQ(row.encoding, QStringLiteral("jpeg"));
        EXPECT_EQ(row.object, rows.front().object);
    }
    // The image's stream is the file itself, not a new encoding.
    RunTool(QStringLiteral("pdfimages"),
            {QStringLiteral("-j"), pdf, dir.filePath(QStringLiteral("x"))});
    QFile extracted(dir.filePath(QStringLiteral("x-000.jpg")));
    QFile original(Fixture("jpeg_rgb.jpg"));
    ASSERT_TRUE(extracted.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(extracted.readAll(), original.readAll());
    // And it still lands on the labels: the first disc shows the photo's colours.
    const QImage sheet = RasterisePdfPage(pdf);
    const PixelBlob coloured = FindBlob(sheet, QRectF(25, 25, 40, 40), [](QRgb c) {
        return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c);
    });
    EXPECT_NEAR(coloured.centreX, 45.0, 0.3);
    EXPECT_NEAR(coloured.centreY, 45.0, 0.3);
}

TEST_F(PdfContent, OtherPicturesAreSharedToo) {
    for (const char* file : {"png_rgba.png", "jpeg_flat_cmyk.jpg", "bmp_8.bmp"}) {
        SCOPED_TRACE(file);
        AddBackground(file);
        const std::vector<ImageRow> rows = ListImages(Write());
        std::set<QString> objects;
        for (const ImageRow& row : rows)
            if (row.type == u"image")
                objects.insert(row.object);
        EXPECT_EQ(objects.size(), 1u);
    }
}

TEST_F(PdfContent, TextStaysTextWithItsFontEmbedded) {
    const UnitConversion units;
    doc->GetFace(kDiscFace).AppendObject(std::make_unique<CText>(
        500, -1500, 3500, -2500, 0x000000, QStringLiteral("Lumvane <albumtitle>"), units));
    const QString fonts = QString::fromUtf8(RunTool(QStringLiteral("pdffonts"), {Write()}));
    const QStringList lines = fonts.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3) << fonts.toStdString();
    for (qsizetype i = 2; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].contains(QStringLiteral(" yes "))) << lines[i].toStdString();
    const QString text =
        QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    EXPECT_EQ(text.count(QStringLiteral("unknown title")), 12) << text.toStdString();
}

} // namespace
