#include "label_stock_library.h"

#include "label_stock.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

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

QStringList LabelStockFolders(const QStringList& dataFolders, const QString& kind) {
    QStringList folders;
    for (const QString& folder : dataFolders)
        folders.append(LabelStockFolder(folder, kind));
    return folders;
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

QStringList ListLabelStocks(const QStringList& folders) {
    QStringList paths;
    QSet<QString> names;
    for (const QString& folder : folders)
        for (const QString& path : ListLabelStocks(folder))
            if (!names.contains(QFileInfo(path).fileName())) {
                names.insert(QFileInfo(path).fileName());
                paths.append(path);
            }
    std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        return QFileInfo(a).fileName().compare(QFileInfo(b).fileName(), Qt::CaseInsensitive) < 0;
    });
    return paths;
}

QString ResolveLabelStockPath(const QString& path, const QStringList& dataFolders) {
    if (path.isEmpty() || QFileInfo(path).isFile())
        return path;
    QString relative = path;
    relative.replace(u'\\', u'/');
    const QString marker = QStringLiteral("/label stock/");
    const qsizetype at = relative.lastIndexOf(marker, -1, Qt::CaseInsensitive);
    if (at < 0)
        return path;
    relative = relative.mid(at + marker.size());
    // A name that climbs out of the stock folder is no stock of ours.
    if (relative.isEmpty() || relative.split(u'/').contains(QStringLiteral("..")))
        return path;
    for (const QString& folder : dataFolders) {
        const QString candidate = folder + QStringLiteral("/label stock/") + relative;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return path;
}
