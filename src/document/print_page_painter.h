#pragma once

#include "print_job.h"

class CDeviceContext;
class CDiscwrightDoc;

// Draws printed sheets: each face of a page's kinds into every usable label of
// its stock, shifted and stretched by the printer alignment, clipped to the
// label (an ellipse for discs), with the label borders and the back insert's
// fold lines when the stock's flags ask for them. The printer, the print
// preview and the PDF writer all draw through it, so they cannot differ.
//
// The device context must be in the metric mapping with its origin at the
// sheet's top-left corner (a printer in full-page mode, a PDF page without
// margins), marked printing: positions are measured from the sheet's edge,
// never from the printable area.
class PrintPagePainter {
public:
    PrintPagePainter(CDiscwrightDoc& doc, const PrintSettings& settings);

    // Also draws each stock label's outline in light grey over the print, as
    // the print preview shows the sheet.
    void SetLabelOutlines(bool on) { m_labelOutlines = on; }
    // The job's disc tray correction (for disc-tray stocks).
    void SetJobOptions(const PrintJobOptions& job) { m_job = job; }

    void PaintPage(CDeviceContext& dc, const PrintPage& page);
    // Prints every usable label of one kind.
    void PaintKind(CDeviceContext& dc, StockKind kind);
    // One face into one label: background colour, background picture and the
    // objects, scaled by the expansion (the print scales).
    void PrintLabelFace(CDeviceContext& dc, QPoint origin, const StockRect& label, int faceId);

private:
    void DrawOutlines(CDeviceContext& dc, const LabelStock& stock);

    CDiscwrightDoc& m_doc;
    PrintSettings m_settings;
    PrintJobOptions m_job;
    bool m_labelOutlines = false;
};
