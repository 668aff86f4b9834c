#include "print_job.h"

#include "discwright_doc.h"
#include "labelstock/disc_tray_stock.h"

#include <algorithm>

std::vector<PrintPage> PlanJobPages(const CDiscwrightDoc& doc, const PrintJobOptions& job) {
    std::vector<PrintPage> pages = PlanPrintPages(doc);
    if (!job.insideOnSecondSheet || !InsideFaceLeftOut(doc))
        return pages;
    const auto front = std::find_if(pages.begin(), pages.end(), [](const PrintPage& page) {
        return std::find(page.begin(), page.end(), StockKind::Front) != page.end();
    });
    if (front != pages.end())
        pages.insert(front + 1, PrintPage{kInsideSheet});
    return pages;
}

bool InsideFaceLeftOut(const CDiscwrightDoc& doc) {
    const LabelStock& front = StockOfKind(doc, StockKind::Front);
    if (front.printThisKind == 0)
        return false;
    const std::vector<int> usable = UsableSlots(front);
    return !usable.empty() && std::none_of(usable.begin(), usable.end(), [&](int slot) {
        return FaceOfSlot(doc, StockKind::Front, slot) == kInsideFace;
    });
}

bool PrintsOnDiscTray(const CDiscwrightDoc& doc) {
    const LabelStock& disc = StockOfKind(doc, StockKind::Disc);
    return disc.printThisKind != 0 && IsDiscTrayStock(disc);
}

PrintFlags KeepOneFeed(CDiscwrightDoc& doc, bool discTray) {
    PrintFlags old{};
    for (int k = 0; k < kStockKindCount; ++k) {
        LabelStock& stock = StockOfKind(doc, StockKind(k));
        old[size_t(k)] = stock.printThisKind;
        const bool tray = k == int(StockKind::Disc) && IsDiscTrayStock(stock);
        if (tray != discTray)
            stock.printThisKind = 0;
    }
    return old;
}

void RestorePrintFlags(CDiscwrightDoc& doc, const PrintFlags& flags) {
    for (int k = 0; k < kStockKindCount; ++k)
        StockOfKind(doc, StockKind(k)).printThisKind = flags[size_t(k)];
}

bool AnyKindPrinted(const CDiscwrightDoc& doc) {
    for (int k = 0; k < kStockKindCount; ++k)
        if (StockOfKind(doc, StockKind(k)).printThisKind != 0)
            return true;
    return false;
}
