#pragma once

#include <QString>

#include <memory>

struct AppSettings;
class CDiscwrightDoc;
class CMainFrame;
class SingleInstance;

// Start-up of the window: one instance per user and program folder, the
// settings file, the project document and the main window. Lives for the
// whole run, inside the QApplication that main() made.
class CDiscwrightApp {
public:
    CDiscwrightApp();
    ~CDiscwrightApp();

    // Returns false when the program should end at once with ExitStatus():
    // 0 when another instance runs and took `fileArgument`, 1 when another
    // runs but does not answer (said on stderr and, with a screen, in a
    // message box). An empty `fileArgument` starts a new project.
    bool InitInstance(const QString& fileArgument);
    int ExitStatus() const { return m_exitStatus; }

    CDiscwrightDoc& Document() { return *m_doc; }
    CMainFrame& MainFrame() { return *m_frame; }

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

    int m_exitStatus = 0;

    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<CDiscwrightDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
