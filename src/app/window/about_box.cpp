#include "about_box.h"

#include "app/help/support_links.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A link captioned `caption` that opens `target` (as it stands in the
// support file) and shows it as its tooltip.
QLabel* MakeLink(const QString& caption, const QString& target, QWidget* parent) {
    auto* link =
        new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setToolTip(target);
    QObject::connect(link, &QLabel::linkActivated, link,
                     [target] { SupportLinks::OpenLink(target); });
    return link;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Lumvane"));

    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon();
    if (appIcon.isNull())
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    else
        icon->setPixmap(appIcon.pixmap(48, 48));
    m_title = new QLabel(SupportLinks::Value(QStringLiteral("title")), this);
    m_title->setObjectName(QStringLiteral("AboutTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto* version = new QLabel(tr("Version %1\nLabels for CDs and DVDs and covers for "
                                  "their cases.")
                                   .arg(QStringLiteral(LUMVANE_VERSION)),
                               this);
    m_homePage = MakeLink(tr("Visit Lumvane HomePage"),
                          SupportLinks::Value(QStringLiteral("homepage")), this);
    m_homePage->setObjectName(QStringLiteral("HomePageLink"));
    m_support =
        MakeLink(tr("Technical Support"), SupportLinks::Value(QStringLiteral("mailto")), this);
    m_support->setObjectName(QStringLiteral("SupportLink"));
    m_licence = MakeLink(tr("Licence: GNU General Public License, version 3 or later"),
                         QLatin1String(kLicenceUrl), this);
    m_licence->setObjectName(QStringLiteral("LicenceLink"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(m_title);
    text->addWidget(version);
    text->addWidget(m_licence);
    text->addSpacing(8);
    text->addWidget(m_homePage);
    text->addWidget(m_support);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}
