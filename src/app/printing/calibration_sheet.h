#pragma once

#include "labelstock/label_stock.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

// A sheet for finding the printer alignment: for every label of the stock,
// cross-hairs at its centre and millimetre rulers across its four edges,
// printed without any alignment, and a text that says how to turn the four
// readings into the offsets and the expand/shrink values. The record must
// hold its label positions (ReadLabelLayout).
void PaintCalibrationSheet(QPainter& painter, const LabelStock& stock, double dotsPerMm);
bool PrintCalibrationSheetOn(QPrinter& printer, const LabelStock& stock, QString* error);
