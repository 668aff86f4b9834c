#pragma once

#include "document/discwright_doc.h"
#include "document/print_plan.h"
#include "support/test_support.h"

#include <QImage>
#include <QRectF>

#include <functional>
#include <memory>

// A document on the shipped plain-paper stocks of a temporary program folder:
// two discs, a front and an inside cover, a back insert, all on A4.
std::unique_ptr<CDiscwrightDoc> MakePrintDocument(const TempProgramFolder& program);

// Runs a tool; fails the test when it does not exit with 0.
QByteArray RunTool(const QString& program, const QStringList& args);

// Rasterises page `page` (from 1) of a PDF at 300 dots per inch.
QImage RasterisePdfPage(const QString& pdf, int page = 1);
inline constexpr double kRasterDpi = 300.0;
inline double PixelsToMm(double px) {
    return px * 25.4 / kRasterDpi;
}

// The pixels of a sheet picture that pass `match`, inside `areaMm` (mm on
// the sheet): their count, their centroid and their bounding box in mm.
struct PixelBlob {
    int count = 0;
    double centreX = 0, centreY = 0;
    QRectF boundsMm;
};
PixelBlob FindBlob(const QImage& sheet, const QRectF& areaMm,
                   const std::function<bool(QRgb)>& match);
bool IsDark(QRgb c);
bool IsRed(QRgb c);
