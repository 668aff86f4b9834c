#include "application.h"

#include "app_settings.h"
#include "document/discwright_doc.h"
#include "main_frame.h"
#include "platform/program_folder.h"
#include "single_instance.h"
#include "view/discwright_view.h"
#include "window/file_commands.h"
#include "window/tip_of_the_day.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <clocale>

CDiscwrightApp::CDiscwrightApp() : m_settings(std::make_unique<AppSettings>(ExecutableFolder())) {
}

CDiscwrightApp::~CDiscwrightApp() = default;

bool CDiscwrightApp::InitInstance(const QString& fileArgument) {
    const QString file =
        fileArgument.isEmpty() ? QString() : QFileInfo(fileArgument).absoluteFilePath();
    m_instance = std::make_unique<SingleInstance>(m_settings->m_programFolder);
    if (!m_instance->BecomePrimary(file))
        return false;

    std::setlocale(LC_ALL, "");
    QCoreApplication::setOrganizationName(QStringLiteral("Lumvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumvane"));

    // Loading and saving at once leaves a settings file with every key.
    m_settings->LoadSettings();
    m_settings->SaveSettings();

    m_doc = std::make_unique<CDiscwrightDoc>(m_settings->ForDocument());
    m_frame = std::make_unique<CMainFrame>(*m_settings, *m_doc);
    m_doc->OnNewDocument();

    m_frame->PlaceFromSettings();
    m_frame->show();
    if (!file.isEmpty())
        OpenOrReport(file);
    OfferTipOfTheDay();

    QObject::connect(m_instance.get(), &SingleInstance::ActivationRequested, m_frame.get(),
                     [this](const QString& path) {
                         m_frame->BringToFront();
                         // Another start hands over a file: open it as File >
                         // Open would, asking first to save a modified project.
                         if (!path.isEmpty())
                             m_frame->Files().OpenPath(path);
                     });
    return true;
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
    if (m_doc->OnOpenDocument(path, &error)) {
        m_frame->Files().AddRecent(path);
        m_frame->UpdateTitle();
        m_frame->UpdateFaceInformation();
        return;
    }
    m_doc->OnNewDocument();
    m_frame->UpdateTitle();
    // Window-modal and not blocking, so the window is usable behind it.
    auto* box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Lumvane"),
        QStringLiteral("Could not open \"%1\".\n%2").arg(QDir::toNativeSeparators(path), error),
        QMessageBox::Ok, m_frame.get());
    box->setObjectName(QStringLiteral("OpenFailedMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
