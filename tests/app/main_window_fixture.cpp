#include "main_window_fixture.h"

#include "objects/shape.h"
#include "view/discwright_view.h"
#include "view/face_selection.h"

#include <QSettings>

MainWindowTest::MainWindowTest() {
    QSettings().clear(); // no recent files or bar layout of an earlier test
    settings = std::make_unique<AppSettings>(program.Path());
    MakeWindow();
}

MainWindowTest::~MainWindowTest() {
    frame.reset();
}

void MainWindowTest::MakeWindow() {
    frame.reset();
    settings->LoadSettings();
    doc = std::make_unique<CDiscwrightDoc>(settings->ForDocument());
    doc->OnNewDocument();
    frame = std::make_unique<CMainFrame>(*settings, *doc);
    FilePrompts answers;
    answers.askToSave = [this](QWidget*, const QString& name) {
        prompts.questions.append(name);
        if (prompts.answers.empty())
            return SaveAnswer::kCancel;
        const SaveAnswer answer = prompts.answers.front();
        prompts.answers.pop_front();
        return answer;
    };
    answers.chooseFileToOpen = [this](QWidget*, const QString& folder) {
        prompts.openFolders.append(folder);
        return prompts.fileToOpen;
    };
    answers.chooseFileToSave = [this](QWidget*, const QString& suggested) {
        prompts.saveSuggestions.append(suggested);
        return prompts.fileToSave;
    };
    answers.showError = [this](QWidget*, const QString& text, const QString& details) {
        prompts.errors.append(text);
        prompts.errorDetails.append(details);
    };
    frame->Files().SetPrompts(answers);
    frame->PlaceFromSettings();
    frame->show();
}

bool MainWindowTest::CloseWindow() {
    const bool closed = frame->close();
    if (closed)
        frame.reset();
    return closed;
}

CShape* MainWindowTest::AddRectangle(int x, int y, int width, int height) {
    auto shape = std::make_unique<CShape>(x, y, x + width, y - height, 0, 0xC0C0C0, 0);
    CShape* raw = shape.get();
    doc->AddObject(std::move(shape));
    return raw;
}

void MainWindowTest::Select(std::initializer_list<CBaseObject*> objects) {
    CDiscwrightView& view = *frame->View();
    ClearSelection(view);
    for (CBaseObject* object : objects)
        SelectObject(view, object);
}
