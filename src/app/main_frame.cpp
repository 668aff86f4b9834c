#include "main_frame.h"

#include "app_settings.h"
#include "document/discwright_doc.h"
#include "tracks/track_info_dialog.h"
#include "view/discwright_view.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

CMainFrame::CMainFrame(AppSettings& settings, CDiscwrightDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_doc(doc) {
    setObjectName(QStringLiteral("MainFrame"));
    m_view = new CDiscwrightView(m_doc, this);
    setCentralWidget(m_view);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("Edit Tracks Information..."), this, &CMainFrame::OnEditTracksInformation);

    m_faceInfoPane = new QLabel(this);
    m_faceInfoPane->setObjectName(QStringLiteral("FaceInformationPane"));
    m_datePane = new QLabel(this);
    m_timePane = new QLabel(this);
    statusBar()->addPermanentWidget(m_faceInfoPane);
    statusBar()->addPermanentWidget(m_datePane);
    statusBar()->addPermanentWidget(m_timePane);
    statusBar()->showMessage(tr("Ready"));

    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &CMainFrame::UpdateClock);
    clock->start(1000);
    UpdateClock();

    connect(&m_doc, &CDiscwrightDoc::ActiveFaceChanged, this, &CMainFrame::UpdateFaceInformation);
    connect(&m_doc, &CDiscwrightDoc::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    UpdateFaceInformation();
    UpdateTitle();
}

void CMainFrame::PlaceFromSettings() {
    setGeometry(m_settings.m_mainLeft, m_settings.m_mainTop, m_settings.m_mainWidth,
                m_settings.m_mainHeight);
}

void CMainFrame::BringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

QString CMainFrame::FaceInformation() const {
    const LabelStock& stock = m_doc.StockOfFace(m_doc.ActiveFaceId());
    // Hundredths of a millimetre shown as whole millimetres, truncated.
    return QStringLiteral("%1 - (%2,%3)mm")
        .arg(stock.name)
        .arg(stock.labelWidth / 100, 2, 10, QLatin1Char('0'))
        .arg(stock.labelHeight / 100, 2, 10, QLatin1Char('0'));
}

void CMainFrame::UpdateFaceInformation() { m_faceInfoPane->setText(FaceInformation()); }

void CMainFrame::UpdateTitle() {
    const QString name = m_doc.PathName().isEmpty() ? tr("Untitled")
                                                    : QFileInfo(m_doc.PathName()).fileName();
    setWindowTitle(QStringLiteral("%1[*] - Lumvane").arg(name));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::OnEditTracksInformation() {
    CTrackInfoDialog dialog(m_doc, CTrackInfoDialog::CddbSettingsFrom(m_settings), this);
    if (dialog.exec() == QDialog::Accepted)
        m_doc.SetModifiedFlag();
}

void CMainFrame::UpdateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_datePane->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_timePane->setText(locale.toString(now.time(), QLocale::LongFormat));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    const QRect frame = geometry();
    m_settings.m_mainLeft = frame.left();
    m_settings.m_mainTop = frame.top();
    m_settings.m_mainWidth = frame.width();
    m_settings.m_mainHeight = frame.height();
    m_settings.SaveSettings();
    event->accept();
}
