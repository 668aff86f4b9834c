#include "label_stock.h"

#include "label_stock_library.h"
#include "platform/app_places.h"
#include "platform/ini_document.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

// Values in label stock files are at most 259 characters (a 260-byte buffer).
constexpr int kMaxStockValue = 259;
const QString kGeneral = QStringLiteral("general");

int ReadStockInt(const IniDocument& ini, const QString& section, QStringView key, int fallback) {
    return ini.ReadInt(section, key, fallback);
}

// Sums of file values are taken in 64 bits and clamped, so absurd offsets give
// absurd rectangles instead of overflowing.
int Clamp(qint64 v) {
    return int(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A stored path that no longer exists is looked up by its name in the data
// folders (a project made in the build tree, opened by an installed program).
QString FindStock(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isFile())
        return path;
    return ResolveLabelStockPath(path, CurrentPlaces().dataFolders);
}

} // namespace

StockRect LabelGeometry(const IniDocument& ini, const QString& section, int paperWidth,
                        int paperHeight) {
    const int width = ReadStockInt(ini, section, u"width", 0);
    const int height = ReadStockInt(ini, section, u"height", 0);
    int left = ReadStockInt(ini, section, u"left offset", -1);
    int top = ReadStockInt(ini, section, u"top offset", -1);
    if (left == -1)
        left = Clamp(qint64(paperWidth) - ReadStockInt(ini, section, u"right offset", 0) - width);
    if (top == -1)
        top = Clamp(qint64(paperHeight) - ReadStockInt(ini, section, u"bottom offset", 0) - height);
    return StockRect{left, top, Clamp(qint64(left) + width), Clamp(qint64(top) + height)};
}

void ReadLabelStock(LabelStock& stock, const QString& storedPath) {
    const QString path = FindStock(storedPath);
    const IniDocument ini = IniDocument::Load(path);
    stock.path = path;
    stock.name = ini.ReadString(kGeneral, u"name", QString(), kMaxStockValue);
    const int paperWidth = ReadStockInt(ini, kGeneral, u"paper width", 21500);
    const int paperHeight = ReadStockInt(ini, kGeneral, u"paper height", 27900);
    const int labelNumber = ReadStockInt(ini, kGeneral, u"label number", 0);

    const int count = std::clamp(labelNumber, 0, kMaxLabelSlots);
    for (int i = 1; i <= count; ++i) {
        const QString section = QStringLiteral("label.%1").arg(i);
        LabelSlot& slot = stock.labels[i - 1];
        slot.source =
            ini.ReadString(section, u"source.1", QStringLiteral("unknow"), kMaxStockValue);
        slot.selected = slot.source == stock.kind ? 1 : 0;
        const StockRect rect = LabelGeometry(ini, section, paperWidth, paperHeight);
        const int holeWidth = ReadStockInt(ini, section, u"hole.1.width", 0);
        const int holeHeight = ReadStockInt(ini, section, u"hole.1.height", 0);
        if (slot.source != stock.kind)
            continue;
        stock.paperWidth = paperWidth;
        stock.paperHeight = paperHeight;
        stock.labelWidth = Clamp(qint64(rect.right) - rect.left);
        stock.labelHeight = Clamp(qint64(rect.bottom) - rect.top);
        stock.holeWidth = holeWidth;
        stock.holeHeight = holeHeight;
        return;
    }
    stock.path.clear();
    stock.name = QStringLiteral("unknown");
}

void ReadLabelLayout(LabelStock& stock, const QString& storedPath) {
    const QString path = FindStock(storedPath);
    const IniDocument ini = IniDocument::Load(path);
    stock.path = path;
    stock.name = ini.ReadString(kGeneral, u"name", QStringLiteral("unknow"), kMaxStockValue);
    stock.paperWidth = ReadStockInt(ini, kGeneral, u"paper width", 21500);
    stock.paperHeight = ReadStockInt(ini, kGeneral, u"paper height", 27900);
    stock.labelCount = 0;
    if (path.isEmpty())
        return;
    stock.labelCount =
        std::clamp(ReadStockInt(ini, kGeneral, u"label number", 0), 0, kMaxLabelSlots);
    for (int i = 1; i <= stock.labelCount; ++i) {
        const QString section = QStringLiteral("label.%1").arg(i);
        LabelSlot& slot = stock.labels[i - 1];
        slot.stockRect = LabelGeometry(ini, section, stock.paperWidth, stock.paperHeight);
        slot.source = ini.ReadString(section, u"source.1", QStringLiteral("none"), kMaxStockValue);
    }
}

std::vector<int> UsableSlots(const LabelStock& stock) {
    std::vector<int> usable;
    for (int i = 0; i < std::min(stock.labelCount, kMaxLabelSlots); ++i) {
        const LabelSlot& slot = stock.labels[i];
        if (slot.selected != 0 && slot.source == stock.kind)
            usable.push_back(i);
    }
    return usable;
}
