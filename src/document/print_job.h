#pragma once

#include "print_plan.h"

#include <array>

// What one print job adds to the settings' alignment: a disc printed in a
// printer's disc tray (a job of its own, moved by that queue's correction),
// how many copies, and the inside face of a front stock that has no label
// for it.

// A sheet of the front stock whose labels all take the inside face, for
// front stocks without a label for it. It is no stock kind of its own:
// StockOfKind gives the front stock, FaceOfSlot the inside face.
inline constexpr int kInsideSheetKind = 3;
inline constexpr StockKind kInsideSheet = StockKind(kInsideSheetKind);

struct PrintJobOptions {
    // The queue's disc tray correction in tenths of a millimetre, positive
    // right and down. A disc-tray stock takes it in place of the sheet
    // alignment and is never stretched.
    int trayCorrectionX = 0;
    int trayCorrectionY = 0;
    // How often the job's pages are printed (a tray job: one disc a page).
    int copies = 1;
    // On a front stock without a label for the inside face, print the inside
    // on a second sheet of that stock, after the front's.
    bool insideOnSecondSheet = false;
};

// The pages of the job: PlanPrintPages, with the inside face's sheet when
// asked for and needed.
std::vector<PrintPage> PlanJobPages(const CDiscwrightDoc& doc, const PrintJobOptions& job);

// The front kind is printed but none of its usable labels takes the inside
// face (a front stock with a single label): the inside is not printed.
bool InsideFaceLeftOut(const CDiscwrightDoc& doc);

// The disc kind is printed and its stock feeds a printer's disc tray. A tray
// holds one disc, so those discs are a job of their own; the other kinds go
// as a second job on the paper path.
bool PrintsOnDiscTray(const CDiscwrightDoc& doc);

// The records' print-this-kind flags: disc, front, back.
using PrintFlags = std::array<int, kStockKindCount>;
// Keeps only the kinds of one feed printed (the disc-tray job or the paper
// job); returns the flags as they were, for RestorePrintFlags.
PrintFlags KeepOneFeed(CDiscwrightDoc& doc, bool discTray);
void RestorePrintFlags(CDiscwrightDoc& doc, const PrintFlags& flags);
// Some kind is printed.
bool AnyKindPrinted(const CDiscwrightDoc& doc);
