#include "tip_of_the_day.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {
const QString kGroup = QStringLiteral("Tip");
const QString kStartupKey = QStringLiteral("StartUp");
const QString kNextKey = QStringLiteral("Next");
} // namespace

const QStringList& CTipOfTheDay::Tips() {
    static const QStringList tips = {
        tr("The tabs under the page switch between the disc label, the front and "
           "inside of the booklet and the back insert."),
        tr("Press Tab to select the next object of the face, and Ctrl+A to select "
           "them all."),
        tr("Arrow keys move the selected objects by one pixel; hold Ctrl to move "
           "them by 5 mm."),
        tr("Turn on the grid (View > Show/Hide Grid) and moved or resized objects "
           "snap to 5 mm steps."),
        tr("Lock an object (Object > Lock/unlock Object) so that the mouse cannot "
           "move it by accident."),
        tr("Drop a picture file from your file manager onto the page to place it "
           "where you let go."),
        tr("Texts can show the album's data: fill it in with Edit > Edit Tracks "
           "Information..."),
        tr("A picture can cover the whole face: select it and choose Edit > Set as "
           "Background Image."),
    };
    return tips;
}

bool CTipOfTheDay::ShowAtStartup() {
    QSettings profile;
    return profile.value(kGroup + QLatin1Char('/') + kStartupKey, true).toBool();
}

CTipOfTheDay::CTipOfTheDay(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TipOfTheDay"));
    setWindowTitle(tr("Tip of the Day"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("<b>Did you know...</b>"), this);
    m_tip = new QLabel(this);
    m_tip->setWordWrap(true);
    m_tip->setMinimumSize(360, 80);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_startup = new QCheckBox(tr("&Show tips at startup"), this);
    m_startup->setChecked(ShowAtStartup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* next = buttons->addButton(tr("&Next Tip"), QDialogButtonBox::ActionRole);
    connect(next, &QPushButton::clicked, this, &CTipOfTheDay::NextTip);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(heading);
    layout->addWidget(m_tip, 1);
    layout->addWidget(m_startup);
    layout->addWidget(buttons);

    QSettings profile;
    Show(profile.value(kGroup + QLatin1Char('/') + kNextKey, 0).toInt());
}

CTipOfTheDay::~CTipOfTheDay() {
    // The next opening starts with the tip after this one.
    QSettings profile;
    profile.beginGroup(kGroup);
    profile.setValue(kStartupKey, m_startup->isChecked());
    profile.setValue(kNextKey, (m_index + 1) % Tips().size());
}

QString CTipOfTheDay::ShownTip() const {
    return m_tip->text();
}

void CTipOfTheDay::NextTip() {
    Show(m_index + 1);
}

void CTipOfTheDay::Show(int index) {
    const int count = int(Tips().size());
    // Past the last tip (or a position stored by a version with more tips)
    // starts again at the first.
    m_index = index >= 0 && index < count ? index : 0;
    m_tip->setText(Tips().at(m_index));
}
