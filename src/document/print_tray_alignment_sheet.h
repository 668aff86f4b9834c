#pragma once

#include "print_tray_alignment.h"

#include <QByteArray>
#include <QString>

class QPainter;

// The "Disc Tray Alignment" print: on a disc page `pageMm` square,
// concentric circles every 5 mm of radius around the page's centre, a centre
// cross, and millimetre scales through the centre in both directions (ticks
// every 0.5 mm). The scales are numbered from the print's centre, right and
// down positive, so the number at the disc's true centre (midway between the
// two readings at the hole's edges) is what to add to the queue's correction.
// The disc's own 15 mm hole is left blank (it is the tray).
void PaintDiscTrayAlignment(QPainter& painter, double pageMm, double dotsPerMm,
                            const QString& caption);

// The print as a one-page PDF of the disc page, moved by `correction` as tray
// jobs are, for the queue's tray. False with `error` set when the PDF cannot
// be made.
bool MakeDiscTrayAlignmentPdf(double pageMm, const TrayCorrection& correction,
                              const QString& caption, QByteArray* pdf, QString* error);
