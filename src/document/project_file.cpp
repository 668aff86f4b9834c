#include "project_file.h"

#include <QFileInfo>

// Placeholder until the archive reader lands: every file is refused with a
// message that names it.
bool ReadProjectFile(CDiscwrightDoc&, const QString& path, QString* error) {
    *error = QStringLiteral("%1: reading project files is not available in this build")
                 .arg(QFileInfo(path).fileName());
    return false;
}
