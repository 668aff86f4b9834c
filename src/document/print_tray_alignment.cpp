#include "print_tray_alignment.h"

#include "platform/ini_document.h"

namespace {
const QString kSectionPrefix = QStringLiteral("Disc Tray ");
} // namespace

QString TraySectionName(const QString& queue) {
    return kSectionPrefix + queue;
}

TrayCorrection TrayCorrectionOf(const TrayCorrections& corrections, const QString& queue) {
    const auto found = corrections.find(queue);
    return found == corrections.end() ? TrayCorrection{} : found->second;
}

TrayCorrections ReadTrayCorrections(const IniDocument& ini) {
    TrayCorrections corrections;
    for (const QString& raw : ini.Lines()) {
        const QString line = raw.trimmed();
        if (!line.startsWith(u'[') || !line.endsWith(u']'))
            continue;
        const QString section = line.mid(1, line.size() - 2);
        if (!section.startsWith(kSectionPrefix, Qt::CaseInsensitive))
            continue;
        const QString queue = section.mid(kSectionPrefix.size());
        if (queue.isEmpty() || corrections.count(queue) != 0)
            continue; // the first section of a name wins, as for every key
        corrections[queue] = TrayCorrection{ini.ReadInt(section, u"Horizontal", 0),
                                            ini.ReadInt(section, u"Vertical", 0)};
    }
    return corrections;
}

void WriteTrayCorrections(IniDocument& ini, const TrayCorrections& corrections) {
    for (const auto& [queue, correction] : corrections) {
        const QString section = TraySectionName(queue);
        ini.WriteInt(section, u"Horizontal", correction.horizontal);
        ini.WriteInt(section, u"Vertical", correction.vertical);
    }
}

TrayCorrections LoadTrayCorrections(const QString& settingsPath) {
    return ReadTrayCorrections(IniDocument::Load(settingsPath));
}

bool SaveTrayCorrections(const QString& settingsPath, const TrayCorrections& corrections,
                         QString* error) {
    IniDocument ini = IniDocument::Load(settingsPath);
    WriteTrayCorrections(ini, corrections);
    return ini.Save(settingsPath, error);
}
