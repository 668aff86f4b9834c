#pragma once

#include "document/print_tray_alignment.h"

#include <QDialog>
#include <QStringList>

#include <array>

class ColourButton;
class DiscTrayAlignmentBox;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
struct AppSettings;

// "Settings...": three pages over the settings record, "Printer Alignment"
// (offsets and expand/shrink in whole millimetres, and the calibration sheet
// that helps find them), "Internet Connection" (proxy, its authentication,
// and the CDDB server) and "Default" (what a print job starts with, and the
// look of label borders). OK copies back the pages that were shown and
// writes the settings file at once; Cancel changes nothing.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `trayQueues`: the printer queues with a disc tray, offered for the
    // tray's correction.
    SettingsDialog(AppSettings& settings, QWidget* parent = nullptr,
                   const QStringList& trayQueues = {});

    enum Page { kAlignmentPage = 0, kInternetPage = 1, kDefaultPage = 2 };
    QTabWidget* Pages() const { return m_pages; }

    // Page 1
    QSpinBox* OffsetX() const { return m_alignment[0]; }
    QSpinBox* OffsetY() const { return m_alignment[1]; }
    QSpinBox* ExpandHeight() const { return m_alignment[2]; }
    QSpinBox* ExpandWidth() const { return m_alignment[3]; }
    QPushButton* CalibrationButton() const { return m_calibration; }
    DiscTrayAlignmentBox* TrayAlignment() const { return m_tray; }
    // Page 2
    QCheckBox* UseProxy() const { return m_useProxy; }
    QLineEdit* ProxyServer() const { return m_proxyServer; }
    QLineEdit* ProxyPort() const { return m_proxyPort; }
    QCheckBox* Authentication() const { return m_authentication; }
    QLineEdit* UserName() const { return m_userName; }
    QLineEdit* Password() const { return m_password; }
    QLineEdit* CddbServer() const { return m_cddbServer; }
    QLineEdit* CddbPort() const { return m_cddbPort; }
    QLineEdit* MusicBrainzServer() const { return m_musicBrainzServer; }
    QLineEdit* MusicBrainzPort() const { return m_musicBrainzPort; }
    // Page 3
    QCheckBox* PrintBorder() const { return m_printBorder; }
    ColourButton* BorderColour() const { return m_borderColour; }
    QRadioButton* Solid() const { return m_solid; }
    QRadioButton* Dashed() const { return m_dashed; }
    QCheckBox* PrintKind(int kind) const { return m_printKinds[size_t(kind)]; }

    void accept() override;

Q_SIGNALS:
    // "Print Calibration Sheet..." was pressed.
    void CalibrationRequested();
    // "Print Disc Tray Alignment..." was pressed for `queue`.
    void TrayAlignmentRequested(const QString& queue, TrayCorrection correction);

private:
    QWidget* BuildAlignmentPage();
    QWidget* BuildInternetPage();
    QWidget* BuildDefaultPage();
    void ApplyProxyEnabling();
    void PageShown(int index);
    // Copies the alignment page into the settings record.
    void StoreAlignment();

    AppSettings& m_settings;
    QTabWidget* m_pages = nullptr;
    std::array<bool, 3> m_shown{};
    std::array<QSpinBox*, 4> m_alignment{};
    QPushButton* m_calibration = nullptr;
    QStringList m_trayQueues;
    DiscTrayAlignmentBox* m_tray = nullptr;
    QCheckBox* m_useProxy = nullptr;
    QLineEdit* m_proxyServer = nullptr;
    QLineEdit* m_proxyPort = nullptr;
    QCheckBox* m_authentication = nullptr;
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_cddbServer = nullptr;
    QLineEdit* m_cddbPort = nullptr;
    QLineEdit* m_musicBrainzServer = nullptr;
    QLineEdit* m_musicBrainzPort = nullptr;
    QCheckBox* m_printBorder = nullptr;
    ColourButton* m_borderColour = nullptr;
    QRadioButton* m_solid = nullptr;
    QRadioButton* m_dashed = nullptr;
    std::array<QCheckBox*, 3> m_printKinds{};
};
