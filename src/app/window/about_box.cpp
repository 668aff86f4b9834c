#include "about_box.h"

#include <QMessageBox>

void ShowAboutBox(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("About Lumvane"),
                       QStringLiteral("<b>Lumvane %1</b><p>Labels for CDs and DVDs and covers "
                                      "for their cases.</p>")
                           .arg(QStringLiteral(LUMVANE_VERSION)));
}
