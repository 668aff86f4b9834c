#pragma once

#include "labelstock/label_stock.h"
#include "platform/device_context.h"

#include <QString>

#include <vector>

class CDiscwrightDoc;

// The three label stock kinds a print job walks through, in the order their
// steps run: the disc stock, the front stock (front and inside faces) and the
// back stock.
enum class StockKind : int { Disc = 0, Front = 1, Back = 2 };
inline constexpr int kStockKindCount = 3;

LabelStock& StockOfKind(CDiscwrightDoc& doc, StockKind kind);
const LabelStock& StockOfKind(const CDiscwrightDoc& doc, StockKind kind);

// What a print job takes from the settings: the printer alignment in whole
// millimetres (positive Offset_X moves the print left, positive Offset_Y
// moves it down; Expand grows each label, half on each side) and the look of
// label borders and fold lines.
struct PrintSettings {
    int offsetX = 0;
    int offsetY = 0;
    int expandWidth = 0;
    int expandHeight = 0;
    ColourRef borderColour = 0;
    int borderStyle = 0; // 0 solid, 1 dashed
};

// The kinds each printed sheet carries. A kind with its print flag set is
// printed once per job; the front and back kinds share a sheet when both are
// printed and their stocks are the same sheet (same name, same labels). The
// label positions must have been read (PrepareLabelPositions).
using PrintPage = std::vector<StockKind>;
std::vector<PrintPage> PlanPrintPages(const CDiscwrightDoc& doc);

// Sets up a job on the document's records: reads every stock's label
// positions (ReadLabelLayout) and clears the printed-in-this-job flags.
void PrepareLabelPositions(CDiscwrightDoc& doc);

// The face printed into `slot` of the kind's stock: the disc face, the back
// face, or for the front kind the front face, except that when the stock's
// first label is a front label, every label after it takes the inside face.
int FaceOfSlot(const CDiscwrightDoc& doc, StockKind kind, int slot);

// Parses a --labels value such as "disc=1,2" or "front=1" (labels numbered
// from 1 in the stock's order) and selects exactly those labels of that kind
// (others of the kind are deselected). False with `error` set for an unknown
// kind, a bad number or a label that is not of the kind.
bool SelectLabelsFromText(CDiscwrightDoc& doc, const QString& text, QString* error);
