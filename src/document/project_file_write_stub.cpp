#include "document/project_file.h"

#include <QFileInfo>

class CDiscwrightDoc;

// Placeholder until the archive writer lands: every save is refused with a
// message that names the file, and nothing is written.
bool WriteProjectFile(const CDiscwrightDoc&, const QString& path, QString* error) {
    *error = QStringLiteral("%1: writing project files is not available in this build")
                 .arg(QFileInfo(path).fileName());
    return false;
}
