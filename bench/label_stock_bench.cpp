#include "labelstock/label_stock.h"
#include "labelstock/label_stock_library.h"

#include <benchmark/benchmark.h>

// The label stock chooser reads every stock of a kind when it opens.
static void BM_ReadEveryShippedStock(benchmark::State& state) {
    const QString program = QStringLiteral(LUMVANE_SOURCE_DATA);
    QStringList paths;
    for (const QString& kind : {kDiscKind, kFrontKind, kBackKind})
        paths += ListLabelStocks(LabelStockFolder(program, kind));
    for (auto _ : state) {
        for (const QString& path : paths) {
            LabelStock stock(kDiscKind);
            ReadLabelStock(stock, path);
            benchmark::DoNotOptimize(stock.labelWidth);
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}
BENCHMARK(BM_ReadEveryShippedStock);
