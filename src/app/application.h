#pragma once

#include "platform/app_places.h"

#include <QString>

#include <memory>

struct AppSettings;
class AutoSaver;
class CDiscwrightDoc;
class CMainFrame;
class SingleInstance;

// Start-up of the window: one instance per user and program folder, the
// settings file, the project document, the main window, the offer to restore
// work a crash left behind, and the autosave that keeps such work. Lives for the
// whole run, inside the QApplication that main() made.
class CDiscwrightApp {
public:
    CDiscwrightApp();
    // A clean end: the recovery copy of unsaved work goes with the window.
    ~CDiscwrightApp();

    // Returns false when the program should end at once with ExitStatus():
    // 0 when another instance runs and took `fileArgument`, 1 when another
    // runs but does not answer (said on stderr and, with a screen, in a
    // message box). An empty `fileArgument` starts a new project; so does
    // `newProject`, which asks a running instance for a new project too.
    bool InitInstance(const QString& fileArgument, bool newProject = false);
    // Whether SIGTERM, SIGHUP and SIGINT save unsaved work for the next start
    // (see AutoSaver); the program sets it, tests running the window in their
    // own process keep their signals. Takes effect in InitInstance.
    void SetCatchTerminationSignals(bool catchThem) { m_catchSignals = catchThem; }
    int ExitStatus() const { return m_exitStatus; }

    CDiscwrightDoc& Document() { return *m_doc; }
    CMainFrame& MainFrame() { return *m_frame; }
    AutoSaver& Saver() { return *m_autoSaver; }

    // Opens `path` as the project, or reports why it cannot be opened and
    // starts a new project instead.
    void OpenOrReport(const QString& path);

private:
    // Shows the tip of the day unless the user turned it off.
    void OfferTipOfTheDay();
    // Whether the window can take a handed-over file now: no dialog, menu or
    // nested event loop is running.
    static bool IsWindowFree();
    static void ReportNoAnswer();

    // Test runs edit the project from outside: LUMVANE_TEST_INSERT_PICTURE
    // names a picture put on the active face once the window is up.
    void InsertTestPicture();

    int m_exitStatus = 0;
    bool m_catchSignals = false;

    AppPlaces m_places;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<CDiscwrightDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<AutoSaver> m_autoSaver;
};
