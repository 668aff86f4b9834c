#include "disc_tray_stock.h"

#include "label_stock.h"
#include "platform/ini_document.h"

bool IsDiscTrayStock(const QString& path) {
    if (path.isEmpty())
        return false;
    return IniDocument::Load(path)
               .ReadString(u"general", u"feed", QString(), 259)
               .trimmed()
               .compare(kDiscTrayFeed, Qt::CaseInsensitive) == 0;
}

bool IsDiscTrayStock(const LabelStock& stock) {
    return IsDiscTrayStock(stock.path);
}
