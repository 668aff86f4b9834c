#pragma once

#include "cups_disc_tray.h"
#include "document/print_tray_alignment.h"

class CDiscwrightDoc;
struct AppSettings;

// The disc size of the project's disc-tray stock in millimetres (its sheet).
QSizeF DiscTrayPaperMm(const CDiscwrightDoc& doc);

// Prints the project's disc-tray disc on `tray`: `copies` pages, one disc
// each, with the queue's tray correction from the settings, the hole cut out,
// as one job. Only the disc kind is printed; the records' print flags are
// left as they were. False with `error` saying which job failed.
bool SendDiscTrayJob(CDiscwrightDoc& doc, const AppSettings& settings, const DiscTray& tray,
                     const QString& title, int copies, int* jobId, QString* error);

// Prints the "Disc Tray Alignment" on `tray`, moved by `correction`.
bool SendDiscTrayAlignment(const DiscTray& tray, const TrayCorrection& correction, int* jobId,
                           QString* error);
