#include "labelstock/label_stock.h"
#include "platform/ini_document.h"

#include <cstddef>
#include <cstdint>

// Settings and label stock files are text anyone can edit: every read must
// survive any bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IniDocument ini =
        IniDocument::Parse(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int i = 1; i <= 13; ++i) {
        const QString section = QStringLiteral("label.%1").arg(i);
        LabelGeometry(ini, section, ini.ReadInt(u"general", u"paper width", 21500),
                      ini.ReadInt(u"general", u"paper height", 27900));
        ini.ReadString(section, u"source.1", QStringLiteral("unknow"), 259);
    }
    IniDocument copy = ini;
    copy.WriteInt(u"General", u"Key", 1);
    return 0;
}
