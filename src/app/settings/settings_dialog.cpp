#include "settings_dialog.h"

#include "alignment_spin_box.h"
#include "app/app_settings.h"
#include "app/printing/disc_tray_alignment_box.h"
#include "toolkit/colour_button.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QSpinBox* MillimetreBox(QWidget* parent, int value) {
    auto* box = new AlignmentSpinBox(parent);
    box->setValue(value);
    return box;
}

QLineEdit* PortEdit(QWidget* parent, int value) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setValidator(new QIntValidator(0, 65535, edit));
    edit->setMaximumWidth(80);
    return edit;
}

} // namespace

SettingsDialog::SettingsDialog(AppSettings& settings, QWidget* parent,
                               const QStringList& trayQueues)
    : QDialog(parent), m_settings(settings), m_trayQueues(trayQueues) {
    setWindowTitle(tr("Settings..."));
    setObjectName(QStringLiteral("SettingsDialog"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(BuildAlignmentPage(), tr("Printer Alignment"));
    m_pages->addTab(BuildInternetPage(), tr("Internet Connection"));
    m_pages->addTab(BuildDefaultPage(), tr("Default"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    connect(m_pages, &QTabWidget::currentChanged, this, &SettingsDialog::PageShown);
    PageShown(0);
}

QWidget* SettingsDialog::BuildAlignmentPage() {
    auto* page = new QWidget(this);
    m_alignment = {MillimetreBox(page, m_settings.m_printOffsetX),
                   MillimetreBox(page, m_settings.m_printOffsetY),
                   MillimetreBox(page, m_settings.m_printExpandHeight),
                   MillimetreBox(page, m_settings.m_printExpandWidth)};
    m_alignment[0]->setObjectName(QStringLiteral("OffsetX"));
    m_alignment[1]->setObjectName(QStringLiteral("OffsetY"));
    m_alignment[2]->setObjectName(QStringLiteral("ExpandHeight"));
    m_alignment[3]->setObjectName(QStringLiteral("ExpandWidth"));
    auto* offset = new QGroupBox(tr("Offset Label"), page);
    auto* offsetForm = new QFormLayout(offset);
    offsetForm->addRow(tr("Horizontal"), m_alignment[0]);
    offsetForm->addRow(tr("Vertical"), m_alignment[1]);
    auto* offsetHint = new QLabel(tr("Positive values move the print left and down."), offset);
    offsetHint->setWordWrap(true);
    offsetForm->addRow(offsetHint);
    auto* expand = new QGroupBox(tr("Expand/Shrink"), page);
    auto* expandForm = new QFormLayout(expand);
    expandForm->addRow(tr("Height"), m_alignment[2]);
    expandForm->addRow(tr("Width"), m_alignment[3]);
    auto* expandHint = new QLabel(tr("Grows each label by this much, half on each side."), expand);
    expandHint->setWordWrap(true);
    expandForm->addRow(expandHint);
    m_calibration = new QPushButton(tr("Print Calibration Sheet..."), page);
    m_calibration->setToolTip(
        tr("Prints rulers and cross-hairs on the disc label stock, to read how far the printer "
           "is off"));
    connect(m_calibration, &QPushButton::clicked, this, &SettingsDialog::CalibrationRequested);
    m_tray = new DiscTrayAlignmentBox(LoadTrayCorrections(m_settings.m_settingsFile.Path()),
                                      m_trayQueues, page);
    connect(m_tray, &DiscTrayAlignmentBox::AlignmentRequested, this,
            &SettingsDialog::TrayAlignmentRequested);
    auto* groups = new QHBoxLayout;
    groups->addWidget(offset);
    groups->addWidget(expand);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(groups);
    layout->addWidget(m_calibration, 0, Qt::AlignLeft);
    layout->addWidget(m_tray);
    layout->addStretch(1);
    return page;
}

QWidget* SettingsDialog::BuildInternetPage() {
    auto* page = new QWidget(this);
    m_useProxy = new QCheckBox(tr("Use Proxy"), page);
    m_useProxy->setChecked(m_settings.m_useProxy != 0);
    m_proxyServer = new QLineEdit(m_settings.m_proxyAddress, page);
    m_proxyPort = PortEdit(page, m_settings.m_proxyPort);
    m_authentication = new QCheckBox(tr("Authentication"), page);
    m_authentication->setChecked(m_settings.m_useProxyAuthentication != 0);
    m_userName = new QLineEdit(m_settings.m_proxyUserName, page);
    m_password = new QLineEdit(m_settings.m_proxyPassword, page);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(79);
    m_cddbServer = new QLineEdit(m_settings.m_cddbServer, page);
    m_cddbPort = PortEdit(page, m_settings.m_cddbPort);
    m_musicBrainzServer = new QLineEdit(m_settings.m_musicBrainzServer, page);
    m_musicBrainzPort = PortEdit(page, m_settings.m_musicBrainzPort);
    auto* form = new QFormLayout(page);
    form->addRow(m_useProxy);
    form->addRow(tr("Proxy Server"), m_proxyServer);
    form->addRow(tr("Port"), m_proxyPort);
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    form->addRow(line);
    form->addRow(m_authentication);
    form->addRow(tr("User Name"), m_userName);
    form->addRow(tr("Password"), m_password);
    auto* line2 = new QFrame(page);
    line2->setFrameShape(QFrame::HLine);
    form->addRow(line2);
    form->addRow(tr("CDDB Server"), m_cddbServer);
    form->addRow(tr("CDDB Port"), m_cddbPort);
    form->addRow(tr("MusicBrainz Server"), m_musicBrainzServer);
    form->addRow(tr("MusicBrainz Port"), m_musicBrainzPort);
    connect(m_useProxy, &QCheckBox::clicked, this, &SettingsDialog::ApplyProxyEnabling);
    connect(m_authentication, &QCheckBox::clicked, this, &SettingsDialog::ApplyProxyEnabling);
    ApplyProxyEnabling();
    return page;
}

QWidget* SettingsDialog::BuildDefaultPage() {
    auto* page = new QWidget(this);
    m_printBorder = new QCheckBox(tr("Print border"), page);
    m_printBorder->setChecked(m_settings.m_printBorder != 0);
    m_borderColour = new ColourButton(page);
    m_borderColour->setObjectName(QStringLiteral("BorderColour"));
    m_borderColour->SetColour(ColourFromRef(m_settings.m_borderLineColour));
    m_solid = new QRadioButton(tr("Solid"), page);
    m_dashed = new QRadioButton(tr("Dashed"), page);
    (m_settings.m_borderLineStyle == 0 ? m_solid : m_dashed)->setChecked(true);
    const char* const names[3] = {QT_TR_NOOP("Print disc"), QT_TR_NOOP("Print front/inside"),
                                  QT_TR_NOOP("Print back")};
    const int values[3] = {m_settings.m_printDisc, m_settings.m_printFrontInside,
                           m_settings.m_printBack};
    auto* defaults = new QGroupBox(tr("Default print settings"), page);
    auto* defaultsLayout = new QVBoxLayout(defaults);
    for (int k = 0; k < 3; ++k) {
        m_printKinds[size_t(k)] = new QCheckBox(tr(names[k]), defaults);
        m_printKinds[size_t(k)]->setChecked(values[k] != 0);
        defaultsLayout->addWidget(m_printKinds[size_t(k)]);
    }
    auto* style = new QHBoxLayout;
    style->addWidget(m_solid);
    style->addWidget(m_dashed);
    style->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(m_printBorder);
    form->addRow(tr("Border lines color"), m_borderColour);
    form->addRow(tr("Border lines style"), style);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(defaults);
    layout->addStretch(1);
    return page;
}

void SettingsDialog::ApplyProxyEnabling() {
    const bool proxy = m_useProxy->isChecked();
    const bool authentication = proxy && m_authentication->isChecked();
    m_proxyServer->setEnabled(proxy);
    m_proxyPort->setEnabled(proxy);
    m_authentication->setEnabled(proxy);
    m_userName->setEnabled(authentication);
    m_password->setEnabled(authentication);
}

void SettingsDialog::PageShown(int index) {
    if (index >= 0 && index < 3)
        m_shown[size_t(index)] = true;
}

void SettingsDialog::StoreAlignment() {
    m_settings.m_printOffsetX = m_alignment[0]->value();
    m_settings.m_printOffsetY = m_alignment[1]->value();
    m_settings.m_printExpandHeight = m_alignment[2]->value();
    m_settings.m_printExpandWidth = m_alignment[3]->value();
}

void SettingsDialog::accept() {
    if (m_shown[kInternetPage]) {
        for (QLineEdit* port : {m_proxyPort, m_cddbPort, m_musicBrainzPort}) {
            bool ok = false;
            port->text().toInt(&ok);
            if (!ok) {
                m_pages->setCurrentIndex(kInternetPage);
                port->setFocus();
                QMessageBox::warning(this, windowTitle(), tr("Please enter an integer."));
                return;
            }
        }
    }
    if (m_shown[kAlignmentPage])
        StoreAlignment();
    if (m_shown[kInternetPage]) {
        m_settings.m_useProxy = m_useProxy->isChecked();
        m_settings.m_proxyAddress = m_proxyServer->text();
        m_settings.m_proxyPort = m_proxyPort->text().toInt();
        m_settings.m_useProxyAuthentication = m_authentication->isChecked();
        m_settings.m_proxyUserName = m_userName->text();
        m_settings.m_proxyPassword = m_password->text();
        m_settings.m_cddbServer = m_cddbServer->text().trimmed();
        m_settings.m_cddbPort = m_cddbPort->text().toInt();
        m_settings.m_musicBrainzServer = m_musicBrainzServer->text().trimmed();
        m_settings.m_musicBrainzPort = m_musicBrainzPort->text().toInt();
    }
    if (m_shown[kDefaultPage]) {
        m_settings.m_printBorder = m_printBorder->isChecked();
        m_settings.m_borderLineColour = RefFromColour(m_borderColour->Colour());
        m_settings.m_borderLineStyle = m_solid->isChecked() ? 0 : 1;
        m_settings.m_printDisc = m_printKinds[0]->isChecked();
        m_settings.m_printFrontInside = m_printKinds[1]->isChecked();
        m_settings.m_printBack = m_printKinds[2]->isChecked();
    }
    // Written at once, so a crash later loses nothing of what was confirmed.
    m_settings.SaveSettings();
    // The disc trays' corrections live in sections of their own in the file.
    if (m_shown[kAlignmentPage])
        SaveTrayCorrections(m_settings.m_settingsFile.Path(), m_tray->Corrections(), nullptr);
    QDialog::accept();
}
