#pragma once

#include "document/print_job.h"

class CDiscwrightDoc;
class QPrinter;

// Prints the job the document's records describe (PlanPrintPages) on a
// printer: full-page mode, so positions are measured from the sheet's edge;
// each page sized to its stock's sheet, as the printer offers that paper or
// as a custom size. The print preview passes its own printer and asks for the
// label outlines. False when there is nothing to print or the printer cannot
// start (`error` says which).
// `job` adds the inside face's own sheet when asked for. Failures after the
// job started (a page, the printer's error state, a job the print server
// refuses) are failures too, and `error` says which page or job.
bool PrintJobOnPrinter(CDiscwrightDoc& doc, const PrintSettings& settings, QPrinter& printer,
                       bool labelOutlines, QString* error, const PrintJobOptions& job = {});

// Sets the printer's page to the sheet of the page's first stock: a paper
// size the printer offers when one matches within half a millimetre, a custom
// size otherwise; no margins.
void SetPrinterSheet(QPrinter& printer, const CDiscwrightDoc& doc, const PrintPage& page);
