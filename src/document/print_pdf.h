#pragma once

#include "print_job.h"

#include <QByteArray>
#include <QString>

class CDiscwrightDoc;
class QPaintDevice;
class QPagedPaintDevice;

// Sets up a paint device for printing the page: the page size is the sheet
// of the page's first stock (exact, not snapped to a standard size) with no
// margins, so drawing starts at the sheet's top-left corner.
void SetSheetPageLayout(QPagedPaintDevice& device, const CDiscwrightDoc& doc,
                        const PrintPage& page);

// Device pixels per inch of the PDF pages Lumvane writes.
inline constexpr int kPdfResolution = 1200;

// The job's pages (PlanPrintPages) as a PDF, one sheet a page. Text stays
// text with its fonts embedded, shapes stay vector, and each picture is held
// once; pictures read from JPEG files keep their files' bytes. False with
// `error` set when the job has no page or the PDF cannot be made.
bool MakeLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, QByteArray* pdf,
                  QString* error, bool keepJpegFiles = true);
// The same for one job: its pages (PlanJobPages) `job.copies` times, a disc
// tray's disc moved by the job's correction.
bool MakeLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, const PrintJobOptions& job,
                  QByteArray* pdf, QString* error, bool keepJpegFiles = true);

// The same, written to `path` through a temporary file (never half-written).
bool WriteLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, const QString& path,
                   QString* error);
