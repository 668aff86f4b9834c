#pragma once

#include <QString>

#include <array>
#include <vector>

// Label stocks: sheets of paper with labels at fixed places, described by small
// INI files. Lengths are hundredths of a millimetre measured on the sheet from
// its top-left corner, x to the right and y downwards.

// The three face kinds a label can take, as written in "source.1".
inline const QString kDiscKind = QStringLiteral("cd disc");
inline const QString kFrontKind = QStringLiteral("cd jewel front"); // front and inside faces
inline const QString kBackKind = QStringLiteral("cd jewel back");

// A record holds at most this many labels; later ones in a file are ignored.
inline constexpr int kMaxLabelSlots = 12;

struct StockRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const StockRect&) const = default;
};

struct LabelSlot {
    int selected = 1;      // the user wants this label printed
    StockRect stockRect;   // on the sheet
    StockRect previewRect; // the same label in preview pixels
    QString source;        // the label's "source.1"
};

struct LabelStock {
    explicit LabelStock(QString kindName = QString()) : kind(std::move(kindName)) {}

    QString path; // empty when the file gave no usable label
    QString name; // "unknown" when the file gave no usable label
    QString kind; // kDiscKind, kFrontKind or kBackKind; fixed for the record's life
    int paperWidth = 0;
    int paperHeight = 0;
    int labelWidth = 0;
    int labelHeight = 0;
    int holeWidth = 0;
    int holeHeight = 0;
    int printBorder = 0;
    int printFoldLines = 0;
    int printThisKind = 0;
    int printedInThisJob = 0;
    int labelCount = 0; // "label number" as last read by the preview reader
    std::array<LabelSlot, kMaxLabelSlots> labels{};
};

class IniDocument;

// Where label `section` ("label.N") lies on a sheet of the given size: a given
// "left offset"/"top offset" wins; -1 (or a missing key) means the label is
// placed from the "right offset"/"bottom offset" instead.
StockRect LabelGeometry(const IniDocument& ini, const QString& section, int paperWidth,
                        int paperHeight);

// The document's reader: takes from `path` the name, the paper size and the
// size and hole of the first label whose source is the record's kind, and each
// slot's source and selected flag up to that label. A file that is missing,
// unreadable or has no label of the kind leaves an empty path, the name
// "unknown" and the previous sizes. A `path` that does not exist is looked up
// by its name in the data folders (ResolveLabelStockPath); the record keeps
// the path found.
void ReadLabelStock(LabelStock& stock, const QString& path);

// The sheet reader: reads the whole file into the record (path, name with the
// default "unknow", paper size, label count, each slot's sheet rectangle and
// source), leaving the selected flags and the label and hole sizes alone. A
// missing file gives an empty 215 x 279 mm sheet. Labels past the twelfth
// are ignored. The sheet preview and printing read the positions this way.
void ReadLabelLayout(LabelStock& stock, const QString& path);

// The slots printing uses: among the first `labelCount`, selected, and of the
// record's kind, in sheet order.
std::vector<int> UsableSlots(const LabelStock& stock);
