#include "document/discwright_doc.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"

#include <benchmark/benchmark.h>

namespace {

// A busy project: 1,000 objects (shapes, texts and circular texts) over the
// four faces, with tracks for the placeholders.
std::unique_ptr<CDiscwrightDoc> BusyDocument() {
    const QString data = QStringLiteral(LUMVANE_SOURCE_DATA "/label stock/");
    DocumentSettings settings;
    settings.discStockPath = data + QStringLiteral("disc/plain paper(A4).ini");
    settings.frontStockPath = data + QStringLiteral("front inside/Plain Paper (A4).ini");
    settings.backStockPath = data + QStringLiteral("back/Plain Paper(A4).ini");
    auto doc = std::make_unique<CDiscwrightDoc>(settings);
    doc->OnNewDocument();
    const UnitConversion units;
    for (int i = 0; i < 1000; ++i) {
        doc->SetActiveFace(i % kFaceCount);
        const int x = (i * 37) % 10000, y = -((i * 53) % 10000);
        switch (i % 3) {
        case 0:
            doc->AddObject(std::make_unique<CShape>(x, y, x + 800, y - 600, i % 4, 0xC0C0C0, 0));
            break;
        case 1:
            doc->AddObject(std::make_unique<CText>(
                x, y, x + 3000, y - 900, 0,
                QStringLiteral("<title%1> by <artist%1>").arg(i % 12 + 1, 2, 10, QLatin1Char('0')),
                units));
            break;
        default:
            doc->AddObject(std::make_unique<CCirText>(QPoint(6000, -6000), 5000.0, i % 360, 0,
                                                      QStringLiteral("around the hole"), 1, 0,
                                                      units, 1.0f));
        }
    }
    for (int t = 0; t < 12; ++t)
        doc->Album().tracks.push_back({QStringLiteral("Artist"), QStringLiteral("Title %1").arg(t),
                                       QStringLiteral("3:%1").arg(10 + t)});
    return doc;
}

void BM_CheckPoint(benchmark::State& state) {
    auto doc = BusyDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc->CheckPoint());
}
BENCHMARK(BM_CheckPoint)->Unit(benchmark::kMicrosecond);

// One restore of the whole busy project per iteration: undo and redo
// alternately between two checkpoints of it.
void BM_Restore(benchmark::State& state) {
    auto doc = BusyDocument();
    doc->CheckPoint();
    doc->CheckPoint();
    bool undo = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo ? doc->Undo() : doc->Redo());
        undo = !undo;
    }
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMicrosecond);

} // namespace
