#include "bar_sizes.h"

#include "platform/ini_document.h"

namespace {
QString SectionOf(int barId) {
    return QStringLiteral("SCBar-%1").arg(barId);
}
} // namespace

BarSizes ReadBarSizes(const QString& iniPath, int barId) {
    return ReadBarSizes(IniDocument::Load(iniPath), barId);
}

bool WriteBarSizes(const QString& iniPath, int barId, const BarSizes& sizes) {
    IniDocument ini = IniDocument::Load(iniPath);
    WriteBarSizes(ini, barId, sizes);
    return ini.Save(iniPath);
}

BarSizes ReadBarSizes(const IniDocument& ini, int barId) {
    const QString section = SectionOf(barId);
    BarSizes sizes;
    auto read = [&](QSize& size, const char* cx, const char* cy) {
        size.setWidth(ini.ReadInt(section, QString::fromLatin1(cx), size.width()));
        size.setHeight(ini.ReadInt(section, QString::fromLatin1(cy), size.height()));
    };
    read(sizes.horizontal, "sizeHorzCX", "sizeHorzCY");
    read(sizes.vertical, "sizeVertCX", "sizeVertCY");
    read(sizes.floating, "sizeFloatCX", "sizeFloatCY");
    return sizes;
}

void WriteBarSizes(IniDocument& ini, int barId, const BarSizes& sizes) {
    const QString section = SectionOf(barId);
    auto write = [&](const QSize& size, const char* cx, const char* cy) {
        ini.WriteInt(section, QString::fromLatin1(cx), size.width());
        ini.WriteInt(section, QString::fromLatin1(cy), size.height());
    };
    write(sizes.horizontal, "sizeHorzCX", "sizeHorzCY");
    write(sizes.vertical, "sizeVertCX", "sizeVertCY");
    write(sizes.floating, "sizeFloatCX", "sizeFloatCY");
}
