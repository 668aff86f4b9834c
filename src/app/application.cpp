#include "application.h"

#include "document/discwright_doc.h"
#include "main_frame.h"
#include "platform/app_places.h"
#include "resources/icons.h"
#include "settings/app_settings.h"
#include "single_instance.h"
#include "view/discwright_view.h"
#include "window/auto_saver.h"
#include "window/file_commands.h"
#include "window/file_prompts.h"
#include "window/picture_insertion.h"
#include "window/recovery_offer.h"
#include "window/tip_of_the_day.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>

#include <clocale>
#include <cstdio>

CDiscwrightApp::CDiscwrightApp()
    : m_places(CurrentPlaces()), m_settings(std::make_unique<AppSettings>(m_places)) {
}

CDiscwrightApp::~CDiscwrightApp() {
    if (m_autoSaver)
        m_autoSaver->Close();
}

bool CDiscwrightApp::InitInstance(const QString& fileArgument, bool newProject) {
    const QString file =
        fileArgument.isEmpty() ? QString() : QFileInfo(fileArgument).absoluteFilePath();
    m_instance = std::make_unique<SingleInstance>(m_settings->m_settingsFile.Path());
    const QString request =
        newProject ? QString::fromLatin1(SingleInstance::kNewProjectRequest) : file;
    switch (m_instance->Begin(request)) {
    case SingleInstance::Start::kPrimary:
        break;
    case SingleInstance::Start::kHandedOver:
        m_exitStatus = 0;
        return false;
    case SingleInstance::Start::kNoAnswer:
        ReportNoAnswer();
        m_exitStatus = 1;
        return false;
    }

    std::setlocale(LC_ALL, "");
    QCoreApplication::setOrganizationName(QStringLiteral("Lumvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumvane"));
    // Names the installed desktop entry, so the desktop shows the window
    // under Lumvane's own name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lumvane.Lumvane"));
    QApplication::setWindowIcon(ApplicationIcon());

    // Loading and saving at once leaves a settings file with every key.
    m_settings->LoadSettings();
    m_settings->SaveSettings();

    m_doc = std::make_unique<CDiscwrightDoc>(m_settings->ForDocument());
    m_frame = std::make_unique<CMainFrame>(*m_settings, *m_doc);
    m_doc->OnNewDocument();

    m_autoSaver = std::make_unique<AutoSaver>(*m_doc, m_places.stateFolder);
    if (m_catchSignals)
        m_autoSaver->CatchTerminationSignals();

    m_frame->PlaceFromSettings();
    m_frame->show();
    const int restored = OfferRecoveries(*m_autoSaver, m_frame->Files(), m_frame.get(),
                                         InteractiveRestoreQuestion());
    if (m_autoSaver->Terminating()) {
        m_exitStatus = 0;
        return false;
    }
    if (!file.isEmpty()) {
        // A restored project is modified: opening the file asks to save it.
        if (restored > 0)
            m_frame->Files().OpenPath(file);
        else
            OpenOrReport(file);
    }
    InsertTestPicture();
    OfferTipOfTheDay();

    // Another start hands over a file: the window comes to the front at once
    // and opens the file as File > Open would (or starts a new project as
    // File > New would), asking first to save a modified project, once no
    // dialog or nested event loop is running.
    m_instance->SetFreeCheck(&IsWindowFree);
    QObject::connect(m_instance.get(), &SingleInstance::RaiseRequested, m_frame.get(), [this] {
        // The tip of the day would hold the file back; the user asked for the file.
        if (auto* tips = m_frame->findChild<CTipOfTheDay*>())
            tips->reject();
        m_frame->BringToFront();
    });
    QObject::connect(m_instance.get(), &SingleInstance::ActivationRequested, m_frame.get(),
                     [this](const QString& path) {
                         m_frame->BringToFront();
                         if (path == QLatin1String(SingleInstance::kNewProjectRequest))
                             m_frame->Files().New();
                         else if (!path.isEmpty())
                             m_frame->Files().OpenPath(path);
                     });
    return true;
}

bool CDiscwrightApp::IsWindowFree() {
    return QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr &&
           QThread::currentThread()->loopLevel() <= 1;
}

void CDiscwrightApp::ReportNoAnswer() {
    const QString text = QCoreApplication::translate(
        "CDiscwrightApp", "Lumvane is already running but does not answer.");
    std::fprintf(stderr, "%s\n", qPrintable(text));
    // Without a screen nobody could close a message box.
    const QString platform = QGuiApplication::platformName();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
        platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        QMessageBox::warning(nullptr, QStringLiteral("Lumvane"), text);
}

void CDiscwrightApp::InsertTestPicture() {
    const QString picture = qEnvironmentVariable("LUMVANE_TEST_INSERT_PICTURE");
    if (!picture.isEmpty() && !InsertPictureAt(*m_frame->View(), picture, QPoint(10, 10)))
        std::fprintf(stderr, "%s: not a picture Lumvane can read\n", qPrintable(picture));
}

void CDiscwrightApp::OfferTipOfTheDay() {
    if (!CTipOfTheDay::ShowAtStartup())
        return;
    // Not blocking: the window is usable behind it and start-up returns.
    auto* tips = new CTipOfTheDay(m_frame.get());
    tips->setAttribute(Qt::WA_DeleteOnClose);
    tips->open();
}

void CDiscwrightApp::OpenOrReport(const QString& path) {
    QString error;
    CDiscwrightDoc::OpenError kind = CDiscwrightDoc::OpenError::kNone;
    const bool opened =
        m_doc->OnOpenDocument(path, &error, CDiscwrightDoc::OnOpenFailure::kEmpty, &kind);
    if (opened) {
        m_frame->Files().AddRecent(path);
        m_frame->UpdateTitle();
        m_frame->UpdateFaceInformation();
        // A project read with parts left empty is said once.
        if (m_doc->OpenNotes().isEmpty())
            return;
    } else {
        m_doc->OnNewDocument();
        m_frame->UpdateTitle();
    }
    // Window-modal and not blocking, so the window is usable behind it.
    const OpenFailureMessage message =
        opened ? DescribeOpenNotes(path, m_doc->OpenNotes())
               : DescribeOpenFailure(path, error, kind == CDiscwrightDoc::OpenError::kNotAProject);
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Lumvane"), message.text,
                                QMessageBox::Ok, m_frame.get());
    box->setDetailedText(message.details);
    box->setObjectName(QStringLiteral("OpenFailedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
