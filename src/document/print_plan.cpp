#include "print_plan.h"

#include "discwright_doc.h"
#include "print_job.h"

#include <algorithm>
#include <array>

LabelStock& StockOfKind(CDiscwrightDoc& doc, StockKind kind) {
    switch (kind) {
    case StockKind::Disc:
        return doc.DiscStock();
    case StockKind::Front:
        return doc.FrontStock();
    case StockKind::Back:
        break;
    }
    // The inside face's own sheet (print_job.h) is one of the front stock.
    return int(kind) == kInsideSheetKind ? doc.FrontStock() : doc.BackStock();
}

const LabelStock& StockOfKind(const CDiscwrightDoc& doc, StockKind kind) {
    return StockOfKind(const_cast<CDiscwrightDoc&>(doc), kind);
}

namespace {

// The front and back stocks are one sheet when they have the same name and
// describe the same labels. The name alone is not enough: the plain-paper
// stocks of both kinds share a name but not their layout, and printing them
// on one sheet would put the back insert over the front cover.
bool SameSheet(const LabelStock& front, const LabelStock& back) {
    if (front.name != back.name || front.paperWidth != back.paperWidth ||
        front.paperHeight != back.paperHeight || front.labelCount != back.labelCount)
        return false;
    for (int i = 0; i < std::min(front.labelCount, kMaxLabelSlots); ++i) {
        const LabelSlot& a = front.labels[size_t(i)];
        const LabelSlot& b = back.labels[size_t(i)];
        if (!(a.stockRect == b.stockRect) || a.source != b.source)
            return false;
    }
    return true;
}

} // namespace

std::vector<PrintPage> PlanPrintPages(const CDiscwrightDoc& doc) {
    const LabelStock& disc = StockOfKind(doc, StockKind::Disc);
    const LabelStock& front = StockOfKind(doc, StockKind::Front);
    const LabelStock& back = StockOfKind(doc, StockKind::Back);
    const bool sharedSheet = SameSheet(front, back);
    int pageCount =
        (disc.printThisKind != 0) + (front.printThisKind != 0) + (back.printThisKind != 0);
    if (front.printThisKind != 0 && back.printThisKind != 0 && sharedSheet)
        --pageCount;

    // Each kind step runs at most once per job; it answers whether the sheet
    // is done. The front step leaves the sheet open for the back labels when
    // both stocks are the same sheet.
    std::array<bool, kStockKindCount> printed{};
    std::vector<PrintPage> pages;
    for (int n = 1; n <= pageCount; ++n) {
        PrintPage page;
        auto step = [&](StockKind kind) {
            bool& done = printed[size_t(kind)];
            if (done)
                return false;
            done = true;
            if (StockOfKind(doc, kind).printThisKind == 0)
                return false;
            page.push_back(kind);
            return kind != StockKind::Front || !sharedSheet;
        };
        if (n == 1) {
            if (!step(StockKind::Disc) && !step(StockKind::Front))
                step(StockKind::Back);
        } else if (n == 2) {
            if (!step(StockKind::Front))
                step(StockKind::Back);
        } else if (n == 3) {
            step(StockKind::Back);
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

void PrepareLabelPositions(CDiscwrightDoc& doc) {
    for (int k = 0; k < kStockKindCount; ++k) {
        LabelStock& stock = StockOfKind(doc, StockKind(k));
        // The sheet reader renames an unreadable stock "unknow"; the name the
        // document read stays what the window shows.
        const QString name = stock.name;
        const int paperWidth = stock.paperWidth, paperHeight = stock.paperHeight;
        ReadLabelLayout(stock, stock.path);
        if (stock.path.isEmpty()) {
            stock.name = name;
            stock.paperWidth = paperWidth;
            stock.paperHeight = paperHeight;
        }
        stock.printedInThisJob = 0;
    }
}

int FaceOfSlot(const CDiscwrightDoc& doc, StockKind kind, int slot) {
    switch (kind) {
    case StockKind::Disc:
        return kDiscFace;
    case StockKind::Back:
        return kBackFace;
    case StockKind::Front:
        break;
    }
    if (int(kind) == kInsideSheetKind)
        return kInsideFace;
    const LabelStock& front = StockOfKind(doc, StockKind::Front);
    return slot > 0 && front.labels[0].source == kFrontKind ? kInsideFace : kFrontFace;
}

bool SelectLabelsFromText(CDiscwrightDoc& doc, const QString& text, QString* error) {
    const qsizetype eq = text.indexOf(u'=');
    const QString kindName = text.left(eq).trimmed();
    StockKind kind;
    if (kindName == u"disc")
        kind = StockKind::Disc;
    else if (kindName == u"front")
        kind = StockKind::Front;
    else if (kindName == u"back")
        kind = StockKind::Back;
    else {
        *error = QStringLiteral("--labels wants disc=, front= or back= followed by label "
                                "numbers, not \"%1\"")
                     .arg(text);
        return false;
    }
    LabelStock& stock = StockOfKind(doc, kind);
    std::array<bool, kMaxLabelSlots> wanted{};
    const QStringList numbers = eq < 0 ? QStringList() : text.mid(eq + 1).split(u',');
    for (const QString& number : numbers) {
        bool ok = false;
        const int n = number.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > stock.labelCount ||
            stock.labels[size_t(n - 1)].source != stock.kind) {
            *error = QStringLiteral("--labels %1: the %2 stock \"%3\" has no %2 label %4 "
                                    "(it has %5 labels, numbered from 1)")
                         .arg(text, kindName, stock.name, number.trimmed())
                         .arg(stock.labelCount);
            return false;
        }
        wanted[size_t(n - 1)] = true;
    }
    for (int i = 0; i < stock.labelCount; ++i)
        if (stock.labels[size_t(i)].source == stock.kind)
            stock.labels[size_t(i)].selected = wanted[size_t(i)] ? 1 : 0;
    return true;
}
