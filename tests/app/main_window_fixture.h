#pragma once

#include "app/main_frame.h"
#include "app/window/command_router.h"
#include "app/window/file_commands.h"
#include "document/discwright_doc.h"
#include "settings/app_settings.h"
#include "support/test_support.h"

#include <QAction>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

class CShape;

// What the file commands asked and what the test answers.
struct PromptLog {
    std::deque<SaveAnswer> answers; // to "Save changes to ...?", in turn
    QStringList questions;          // the names asked about
    QString fileToOpen;             // the open dialog's choice
    QString fileToSave;             // the save dialog's choice
    QStringList errors;             // the messages shown
    QStringList errorDetails;       // their details parts
    QStringList openFolders;        // where the open dialog started
    QStringList saveSuggestions;    // what the save dialog proposed
};

// The real main window over a project document, in a temporary program
// folder, with the file dialogs and questions answered by the test.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Builds (again) the document and the window from the settings file.
    void MakeWindow();
    // Closes and destroys the window; true when it agreed to close.
    bool CloseWindow();

    QAction* Action(CommandId id) const { return frame->Router().Action(id); }
    CShape* AddRectangle(int x, int y, int width, int height);
    // Selects exactly `objects` on the active face, as the view would.
    void Select(std::initializer_list<CBaseObject*> objects);
    QString FilePath(const QString& name) const { return m_files.filePath(name); }

    TempProgramFolder program;
    PromptLog prompts;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<CDiscwrightDoc> doc;
    std::unique_ptr<CMainFrame> frame;

private:
    QTemporaryDir m_files;
};

// Readable strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
