#include "app/app_settings.h"
#include "app/application.h"
#include "app/main_frame.h"
#include "document/discwright_doc.h"
#include "support/test_support.h"

#include "app/window/file_commands.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <deque>
#include <functional>

namespace {

// Points the program folder at a fresh copy of the shipped data for one test.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("LUMVANE_HOME", m_program.Path().toUtf8()); }
    void TearDown() override { qunsetenv("LUMVANE_HOME"); }
    QString SettingsPath() const { return m_program.File(QStringLiteral("lumvanesetup.ini")); }

    TempProgramFolder m_program;
};

} // namespace

TEST(CommandLine, VersionAndHelpNeedNoDisplay) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LUMVANE_EXECUTABLE), {QStringLiteral("--version")});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("Lumvane "));

    process.start(QStringLiteral(LUMVANE_EXECUTABLE), {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("Usage: lumvane [FILE.dwp]"));

    for (const QStringList& args :
         {QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("--new"), QStringLiteral("--bogus")}}) {
        process.start(QStringLiteral(LUMVANE_EXECUTABLE), args);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 2);
        EXPECT_TRUE(process.readAllStandardError().contains("--bogus"));
    }
}

TEST_F(StartupTest, FirstStartWritesSettingsAndCloseStoresThePlacement) {
    {
        CDiscwrightApp app;
        ASSERT_TRUE(app.InitInstance(QString()));
        EXPECT_TRUE(QFileInfo::exists(SettingsPath()));
        CMainFrame& frame = app.MainFrame();
        EXPECT_TRUE(frame.isVisible());
        EXPECT_EQ(frame.geometry(), QRect(30, 30, 750, 500));
        EXPECT_EQ(frame.FaceInformation(), QStringLiteral("Plain Paper (A4) - (120,120)mm"));
        app.Document().SetActiveFace(kBackFace);
        EXPECT_EQ(frame.FaceInformation(), QStringLiteral("Plain Paper (A4) - (151,118)mm"));
        EXPECT_TRUE(frame.windowTitle().contains(QStringLiteral("Lumvane")));

        frame.setGeometry(40, 50, 640, 480);
        EXPECT_TRUE(frame.close());
    }
    const IniDocument ini = IniDocument::Load(SettingsPath());
    EXPECT_EQ(ini.ReadInt(u"MainWindow", u"Left", 0), 40);
    EXPECT_EQ(ini.ReadInt(u"MainWindow", u"Top", 0), 50);
    EXPECT_EQ(ini.ReadInt(u"MainWindow", u"Width", 0), 640);
    EXPECT_EQ(ini.ReadInt(u"MainWindow", u"Height", 0), 480);

    CDiscwrightApp again;
    ASSERT_TRUE(again.InitInstance(QString()));
    EXPECT_EQ(again.MainFrame().geometry(), QRect(40, 50, 640, 480));
}

TEST_F(StartupTest, AFileThatCannotBeOpenedIsNamedAndANewProjectStarts) {
    CDiscwrightApp app;
    const QString missing = m_program.File(QStringLiteral("gone.dwp"));
    ASSERT_TRUE(app.InitInstance(missing));
    auto* box = app.MainFrame().findChild<QMessageBox*>(QStringLiteral("OpenFailedMessage"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->text().contains(QStringLiteral("gone.dwp")));
    EXPECT_EQ(app.Document().Album(), AlbumData::Defaults());
    EXPECT_TRUE(app.Document().PathName().isEmpty());
}

namespace {

// Waits (handling events) until `done` holds or `ms` pass.
bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
    return done();
}

// A real first instance in the test's program folder, ready for hand-overs.
class FirstInstance {
public:
    explicit FirstInstance(const QString& home) {
        m_process.setProcessEnvironment(LumvaneEnvironment(home));
        m_process.start(QStringLiteral(LUMVANE_EXECUTABLE), QStringList());
    }
    ~FirstInstance() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGCONT);
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    QProcess& Process() { return m_process; }

private:
    QProcess m_process;
};

// A second start run alongside, so that the first (in this process) can answer it.
ProcessResult RunSecondStart(const QStringList& args, const QString& home) {
    QProcess process;
    process.setProcessEnvironment(LumvaneEnvironment(home));
    process.start(QStringLiteral(LUMVANE_EXECUTABLE), args);
    WaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000);
    ProcessResult result;
    result.finished = process.state() == QProcess::NotRunning;
    result.exitCode = process.exitCode();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

TEST_F(StartupTest, AHandOverWaitsForTheSaveQuestionAndSurvivesItsCancel) {
    CDiscwrightApp app;
    ASSERT_TRUE(app.InitInstance(QString()));
    const QString project = m_program.File(QStringLiteral("handed.dwp"));
    ASSERT_TRUE(app.Document().OnSaveDocument(project, nullptr));
    app.Document().OnNewDocument();
    app.Document().SetModifiedFlag(true);

    // The user thinks about "Save changes?" for a while, with events running
    // (the second start hangs up meanwhile), then answers.
    std::deque<SaveAnswer> answers = {SaveAnswer::kCancel, SaveAnswer::kDiscard};
    int asked = 0;
    FilePrompts prompts = FilePrompts::Interactive();
    prompts.askToSave = [&](QWidget*, const QString&) {
        ++asked;
        QEventLoop thinking;
        QTimer::singleShot(1500, &thinking, &QEventLoop::quit);
        thinking.exec();
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    };
    app.MainFrame().Files().SetPrompts(prompts);

    const ProcessResult cancelled = RunSecondStart({project}, m_program.Path());
    EXPECT_TRUE(cancelled.finished);
    EXPECT_EQ(cancelled.exitCode, 0) << cancelled.err.toStdString();
    ASSERT_TRUE(WaitFor([&] { return asked == 1 && answers.size() == 1; }));
    QTest::qWait(500);
    EXPECT_TRUE(app.Document().IsModified());
    EXPECT_TRUE(app.Document().PathName().isEmpty());

    const ProcessResult discarded = RunSecondStart({project}, m_program.Path());
    EXPECT_EQ(discarded.exitCode, 0) << discarded.err.toStdString();
    ASSERT_TRUE(WaitFor([&] { return app.Document().PathName() == project; }));
    EXPECT_FALSE(app.Document().IsModified());
}

// The desktop's "New Project" action: the running window starts a new project
// as File > New does, after the question about the modified one.
TEST_F(StartupTest, ANewProjectHandedOverAsksToSaveAndStartsEmpty) {
    CDiscwrightApp app;
    ASSERT_TRUE(app.InitInstance(QString()));
    const QString project = m_program.File(QStringLiteral("open.dwp"));
    ASSERT_TRUE(app.Document().OnSaveDocument(project, nullptr));
    app.Document().SetModifiedFlag(true);
    int asked = 0;
    FilePrompts prompts = FilePrompts::Interactive();
    prompts.askToSave = [&](QWidget*, const QString&) {
        ++asked;
        return SaveAnswer::kDiscard;
    };
    app.MainFrame().Files().SetPrompts(prompts);

    const ProcessResult second = RunSecondStart({QStringLiteral("--new")}, m_program.Path());
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    ASSERT_TRUE(WaitFor([&] { return app.Document().PathName().isEmpty(); }));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(StartupTest, AFirstInstanceThatDoesNotAnswerIsReportedAfterFiveSeconds) {
    FirstInstance first(m_program.Path());
    // It saves its settings right after claiming the instance.
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(SettingsPath()); }));
    QTest::qWait(300);
    ::kill(pid_t(first.Process().processId()), SIGSTOP);

    QElapsedTimer clock;
    clock.start();
    const ProcessResult second = RunLumvane({}, m_program.Path(), 20000);
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_TRUE(second.err.endsWith("Lumvane is already running but does not answer.\n"))
        << second.err.toStdString();
    EXPECT_GE(clock.elapsed(), 4500);
    EXPECT_LT(clock.elapsed(), 15000);

    // Running again, the first answers and the second ends quietly.
    ::kill(pid_t(first.Process().processId()), SIGCONT);
    const ProcessResult again = RunLumvane({}, m_program.Path(), 20000);
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(first.Process().state(), QProcess::Running);
}

TEST_F(StartupTest, StartsAtTheSameMomentOpenOneWindow) {
    std::vector<std::unique_ptr<FirstInstance>> starts;
    for (int i = 0; i < 3; ++i)
        starts.push_back(std::make_unique<FirstInstance>(m_program.Path()));
    // Two hand over and end with 0; one keeps running.
    ASSERT_TRUE(WaitFor([&] {
        return std::count_if(starts.begin(), starts.end(), [](const auto& s) {
                   return s->Process().state() == QProcess::NotRunning;
               }) == 2;
    }));
    QTest::qWait(500);
    int running = 0;
    for (const auto& start : starts) {
        if (start->Process().state() == QProcess::Running)
            ++running;
        else
            EXPECT_EQ(start->Process().exitCode(), 0)
                << start->Process().readAllStandardError().toStdString();
    }
    EXPECT_EQ(running, 1);

    // With the first gone, a new start becomes the first again.
    starts.clear();
    CDiscwrightApp app;
    EXPECT_TRUE(app.InitInstance(QString()));
}
