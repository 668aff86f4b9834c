// Speed and size of a printed disc sheet as PDF: two 120 mm discs with a
// 12-megapixel photo background and four text objects. The photo's JPEG
// bytes go into the PDF once as they are; the second case shows what
// encoding the picture again would cost. With LUMVANE_BENCH_OUT set, the
// photo and the PDF are also written there (bench/compare_glabels.sh uses
// them for the same sheet made by gLabels).

#include "document/discwright_doc.h"
#include "document/print_pdf.h"
#include "gui_application.h"
#include "objects/image.h"
#include "objects/text.h"
#include "synthetic_photo.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<CDiscwrightDoc> DiscSheet() {
    const QString stocks = QStringLiteral(LUMVANE_SOURCE_DATA) + QStringLiteral("/label stock/");
    DocumentSettings settings{stocks + QStringLiteral("disc/plain paper(A4).ini"),
                              stocks + QStringLiteral("front inside/Plain Paper (A4).ini"),
                              stocks + QStringLiteral("back/Plain Paper(A4).ini")};
    settings.printFrontInside = settings.printBack = 0;
    auto doc = std::make_unique<CDiscwrightDoc>(settings);
    Face& disc = doc->GetFace(kDiscFace);
    auto photo = std::make_unique<CImage>();
    photo->LoadFile(SyntheticPhotoFile());
    photo->SetWidth(disc.Width());
    photo->SetHeight(-disc.Height());
    disc.SetBackground(std::move(photo));
    const char* const lines[4] = {"<albumtitle>", "<albumartist>", "Recorded live, 2026",
                                  "Lumvane test sheet"};
    for (int i = 0; i < 4; ++i) {
        auto text = std::make_unique<CText>(2500, -1500 - i * 800, 9500, -2200 - i * 800, 0xFFFFFF,
                                            QString::fromLatin1(lines[i]), UnitConversion{});
        text->SetFont(DefaultTextFont(500));
        disc.AppendObject(std::move(text));
    }
    return doc;
}

void WriteOut(const QString& name, const QByteArray& bytes) {
    const QString dir = qEnvironmentVariable("LUMVANE_BENCH_OUT");
    if (dir.isEmpty())
        return;
    QFile file(dir + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void BM_DiscSheetPdf(benchmark::State& state) {
    EnsureGuiApplication();
    const bool keepJpeg = state.range(0) != 0;
    auto doc = DiscSheet();
    QByteArray pdf;
    QString error;
    for (auto _ : state) {
        if (!MakeLabelPdf(*doc, PrintSettings{}, &pdf, &error, keepJpeg))
            state.SkipWithError(error.toStdString().c_str());
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_bytes"] = double(pdf.size());
    if (keepJpeg) {
        WriteOut(QStringLiteral("lumvane.pdf"), pdf);
        QFile photo(SyntheticPhotoFile());
        if (photo.open(QIODevice::ReadOnly))
            WriteOut(QStringLiteral("photo.jpg"), photo.readAll());
    }
}
BENCHMARK(BM_DiscSheetPdf)->Arg(1)->Arg(0)->ArgName("keep_jpeg")->Unit(benchmark::kMillisecond);

} // namespace
