#include "label_stock_library.h"

#include "label_stock.h"

#include <QDir>
#include <QFileInfo>

QString LabelStockSubfolder(const QString& kind) {
    if (kind == kDiscKind)
        return QStringLiteral("disc");
    if (kind == kFrontKind)
        return QStringLiteral("front inside");
    return QStringLiteral("back");
}

QString LabelStockFolder(const QString& programFolder, const QString& kind) {
    return programFolder + QStringLiteral("/label stock/") + LabelStockSubfolder(kind);
}

QStringList ListLabelStocks(const QString& folder) {
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.ini")});
    // Files only (no folders, no hidden files); name filters ignore case.
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QFileInfo& info : dir.entryInfoList()) {
        if (info.isFile() && !info.isHidden() &&
            info.fileName().endsWith(u".ini", Qt::CaseInsensitive))
            paths.append(info.absoluteFilePath());
    }
    return paths;
}
