#include "print_test_support.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

std::unique_ptr<CDiscwrightDoc> MakePrintDocument(const TempProgramFolder& program) {
    DocumentSettings settings;
    const QString stocks = program.File(QStringLiteral("label stock/"));
    settings.discStockPath = stocks + QStringLiteral("disc/plain paper(A4).ini");
    settings.frontStockPath = stocks + QStringLiteral("front inside/Plain Paper (A4).ini");
    settings.backStockPath = stocks + QStringLiteral("back/Plain Paper(A4).ini");
    auto doc = std::make_unique<CDiscwrightDoc>(settings);
    doc->OnNewDocument();
    PrepareLabelPositions(*doc);
    return doc;
}

QByteArray RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

QImage RasterisePdfPage(const QString& pdf, int page) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

PixelBlob FindBlob(const QImage& sheet, const QRectF& areaMm,
                   const std::function<bool(QRgb)>& match) {
    const double perMm = kRasterDpi / 25.4;
    const QRect area = QRect(int(areaMm.left() * perMm), int(areaMm.top() * perMm),
                             int(areaMm.width() * perMm), int(areaMm.height() * perMm))
                           .intersected(sheet.rect());
    PixelBlob blob;
    double sx = 0, sy = 0;
    int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!match(line[x]))
                continue;
            ++blob.count;
            sx += x + 0.5;
            sy += y + 0.5;
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
        }
    }
    if (blob.count == 0)
        return blob;
    blob.centreX = PixelsToMm(sx / blob.count);
    blob.centreY = PixelsToMm(sy / blob.count);
    blob.boundsMm = QRectF(QPointF(PixelsToMm(minX), PixelsToMm(minY)),
                           QPointF(PixelsToMm(maxX + 1), PixelsToMm(maxY + 1)));
    return blob;
}

bool IsDark(QRgb c) {
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

bool IsRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}
