#pragma once

#include <QString>
#include <QStringList>

// The library of label stock files that ship with the program: one folder per
// face kind under "label stock" in the program folder.

// "disc", "front inside" or "back" for the kind names of label_stock.h.
QString LabelStockSubfolder(const QString& kind);

// The folder holding the stocks of `kind` under `programFolder`.
QString LabelStockFolder(const QString& programFolder, const QString& kind);

// Full paths of every "*.ini" (any case) regular, visible file in `folder`,
// sorted by file name. A missing folder gives an empty list.
QStringList ListLabelStocks(const QString& folder);
