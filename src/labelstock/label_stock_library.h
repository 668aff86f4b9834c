#pragma once

#include <QString>
#include <QStringList>

// The library of label stock files: one folder per face kind under "label
// stock" in each data folder (the user's own, then the shipped ones).

// "disc", "front inside" or "back" for the kind names of label_stock.h.
QString LabelStockSubfolder(const QString& kind);

// The folder holding the stocks of `kind` under `programFolder`.
QString LabelStockFolder(const QString& programFolder, const QString& kind);

// The stocks of `kind` in every data folder, in search order.
QStringList LabelStockFolders(const QStringList& dataFolders, const QString& kind);

// Full paths of every "*.ini" (any case) regular, visible file in `folder`,
// sorted by file name. A missing folder gives an empty list.
QStringList ListLabelStocks(const QString& folder);

// ListLabelStocks over several folders, sorted by file name; of equal names
// only the first folder's file is listed (the user's stock wins).
QStringList ListLabelStocks(const QStringList& folders);

// The file a stored stock path stands for. Projects and settings keep full
// paths, which differ between a build tree, a portable folder and an
// installed program: an existing `path` is used as it is; otherwise its part
// after the last "label stock" folder (either separator, any case) is looked
// up in `dataFolders`. `path` itself when nothing is found.
QString ResolveLabelStockPath(const QString& path, const QStringList& dataFolders);
