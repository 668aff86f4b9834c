#include "app/application.h"
#include "app/main_frame.h"
#include "app/window/auto_saver.h"
#include "app/window/file_commands.h"
#include "app/window/recovery_offer.h"
#include "document/discwright_doc.h"
#include "objects/shape.h"
#include "platform/recovery_store.h"
#include "support/test_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>

namespace {

QStringList RecoveryFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("autosave-*")}, QDir::Files, QDir::Name);
}

QStringList RecoveryIds(const QString& folder) {
    QStringList ids;
    for (const QString& name :
         QDir(folder).entryList({QStringLiteral("autosave-*.ini")}, QDir::Files, QDir::Name))
        ids.append(name.chopped(4));
    return ids;
}

bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(50);
    return done();
}

} // namespace

TEST(RecoveryStore, OnlyRecoveriesOfEndedWindowsAreClaimedAndEachByOneStart) {
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 3, 4), QTime(14, 32, 10));
    auto running = std::make_unique<RecoveryStore>(dir.path());
    QString error;
    ASSERT_TRUE(running->Write("project bytes", QStringLiteral("/p/a.dwp"), when, &error))
        << error.toStdString();
    EXPECT_EQ(ReadWholeFile(dir.filePath(running->OwnId() + QStringLiteral(".dwp"))),
              "project bytes");

    // Locks are per open file, so stores in one process stand for windows.
    RecoveryStore first(dir.path()), second(dir.path());
    EXPECT_TRUE(first.ClaimOrphans().empty()) << "a running window's recovery";

    running.reset(); // the window ends without a clean close: its files stay
    const auto claimed = first.ClaimOrphans();
    ASSERT_EQ(claimed.size(), 1u);
    EXPECT_EQ(claimed[0].projectPath, QStringLiteral("/p/a.dwp"));
    EXPECT_EQ(claimed[0].savedAt, when);
    EXPECT_TRUE(second.ClaimOrphans().empty()) << "claimed by the other start";

    // Unanswered: another start may take it; it is deleted only by its holder.
    second.Discard(claimed[0]);
    EXPECT_EQ(RecoveryFiles(dir.path()).size(), 3);
    first.Release(claimed[0]);
    const auto again = second.ClaimOrphans();
    ASSERT_EQ(again.size(), 1u);
    second.Discard(again[0]);
    EXPECT_TRUE(RecoveryFiles(dir.path()).isEmpty());
}

TEST(RecoveryStore, SavedWorkAndCleanEndsLeaveNothingAndHalfARecoveryIsKept) {
    QTemporaryDir dir;
    {
        RecoveryStore store(dir.path());
        QString error;
        ASSERT_TRUE(store.Write("x", QString(), QDateTime::currentDateTime(), &error));
        store.RemoveOwn(); // saved: the lock stays for the next write
        EXPECT_EQ(RecoveryFiles(dir.path()), QStringList{store.OwnId() + QStringLiteral(".lock")});
        ASSERT_TRUE(store.Write("y", QString(), QDateTime::currentDateTime(), &error));
        store.CloseOwn();
        EXPECT_TRUE(RecoveryFiles(dir.path()).isEmpty());
    }
    // A crash of a window with nothing unsaved leaves its lock file, which the
    // next start tidies; a description without its project is left alone.
    WriteTextFile(dir.filePath(QStringLiteral("autosave-1-2.lock")), "");
    WriteTextFile(dir.filePath(QStringLiteral("autosave-3-4.ini")), "[Recovery]\nProject=\n");
    RecoveryStore store(dir.path());
    EXPECT_TRUE(store.ClaimOrphans().empty());
    EXPECT_EQ(RecoveryFiles(dir.path()), (QStringList{QStringLiteral("autosave-3-4.ini"),
                                                      QStringLiteral("autosave-3-4.lock")}));
}

// Unsaved work may be private: its recovery files are the owner's alone, also
// where an older version left them readable, and under a permissive umask.
TEST(RecoveryStore, RecoveryFilesAreReadableByTheirOwnerOnly) {
    QTemporaryDir dir;
    RecoveryStore store(dir.path());
    const QString data = dir.filePath(store.OwnId() + QStringLiteral(".dwp"));
    const QString info = dir.filePath(store.OwnId() + QStringLiteral(".ini"));
    WriteTextFile(data, "old");
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    const mode_t oldMask = ::umask(0);
    QString error;
    const bool written = store.Write("secret", QString(), QDateTime::currentDateTime(), &error);
    ::umask(oldMask);
    ASSERT_TRUE(written) << error.toStdString();
    for (const QString& path :
         {data, info, dir.filePath(store.OwnId() + QStringLiteral(".lock"))}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
        EXPECT_EQ(st.st_mode & 0777, 0600u) << path.toStdString();
    }
    EXPECT_EQ(ReadWholeFile(data), "secret");
}

TEST(RecoveryOffer, TheQuestionNamesTheProjectAndTheTime) {
    const QDate today(2026, 12, 11);
    RecoveryStore::Entry entry;
    entry.projectPath = QStringLiteral("/home/ann/Party Mix.dwp");
    entry.savedAt = QDateTime(today, QTime(14, 32, 59));
    EXPECT_EQ(RestoreQuestionText(entry, today),
              QStringLiteral("Lumvane did not close properly. Restore the changes to Party Mix.dwp "
                             "made at 14:32?"));
    entry.projectPath.clear();
    entry.savedAt = QDateTime(today.addDays(-1), QTime(9, 5));
    const QString text = RestoreQuestionText(entry, today);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Lumvane did not close properly. Restore the "
                                               "changes to Untitled made on ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" at 09:05?"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLocale().toString(today.addDays(-1), QLocale::ShortFormat)));
}

namespace {

class RecoveryWindowTest : public ::testing::Test {
protected:
    RecoveryWindowTest() : m_env{{"LUMVANE_HOME", m_program.Path()}} {}
    QString Recovery() const { return m_program.File(QStringLiteral("recovery")); }

    TempProgramFolder m_program;
    ScopedEnvironment m_env;
};

} // namespace

TEST_F(RecoveryWindowTest, SavingAndACleanCloseRemoveTheRecovery) {
    QTemporaryDir files;
    const QString saved = files.filePath(QStringLiteral("saved.dwp"));
    {
        CDiscwrightApp app;
        ASSERT_TRUE(app.InitInstance(QString()));
        FilePrompts prompts = FilePrompts::Interactive();
        prompts.chooseFileToSave = [&](QWidget*, const QString&) { return saved; };
        prompts.askToSave = [](QWidget*, const QString&) { return SaveAnswer::kDiscard; };
        app.MainFrame().Files().SetPrompts(prompts);

        EXPECT_TRUE(app.Saver().SaveNow());
        EXPECT_TRUE(RecoveryIds(Recovery()).isEmpty()) << "nothing unsaved, nothing written";
        app.Document().AddObject(std::make_unique<CShape>(0, 0, 500, -500, 0, 0xFF, 0));
        app.Document().SetModifiedFlag(true);
        ASSERT_TRUE(app.Document().IsModified());
        EXPECT_TRUE(app.Saver().SaveNow());
        const QStringList ids = RecoveryIds(Recovery());
        ASSERT_EQ(ids.size(), 1);
        EXPECT_EQ(RecoveryStore::ReadEntry(Recovery(), ids[0]).projectPath, QString());

        ASSERT_TRUE(app.MainFrame().Files().Save());
        EXPECT_TRUE(RecoveryIds(Recovery()).isEmpty());

        app.Document().AddObject(std::make_unique<CShape>(0, 0, 500, -500, 0, 0xFF, 0));
        app.Document().SetModifiedFlag(true);
        EXPECT_TRUE(app.Saver().SaveNow());
        EXPECT_EQ(
            RecoveryStore::ReadEntry(Recovery(), RecoveryIds(Recovery()).value(0)).projectPath,
            saved);
        // Closing without saving (the user said so) is a clean end too.
        EXPECT_TRUE(app.MainFrame().close());
    }
    EXPECT_TRUE(RecoveryFiles(Recovery()).isEmpty());
}

namespace {

// The real program in a program folder of its own, its stderr kept.
class Window {
public:
    Window(const QString& home, const QStringList& args,
           std::initializer_list<std::pair<QString, QString>> env) {
        QProcessEnvironment environment = LumvaneEnvironment(home);
        for (const auto& [name, value] : env)
            environment.insert(name, value);
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(LUMVANE_EXECUTABLE), args);
    }
    ~Window() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    bool WaitForError(const QByteArray& text) {
        return WaitFor([&] {
            m_err += m_process.readAllStandardError();
            return m_err.contains(text);
        });
    }
    void Signal(int signal) { ::kill(pid_t(m_process.processId()), signal); }
    bool WaitForEnd() {
        return WaitFor([&] { return m_process.state() == QProcess::NotRunning; });
    }
    QProcess& Process() { return m_process; }
    const QByteArray& Err() const { return m_err; }

private:
    QProcess m_process;
    QByteArray m_err;
};

QByteArray Dump(const QString& home, const QString& project) {
    const ProcessResult result = RunLumvane({QStringLiteral("dump"), project}, home);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    return result.out;
}

} // namespace

TEST_F(RecoveryWindowTest, KilledWorkIsOfferedAtTheNextStartAndRestoredAsItWas) {
    QTemporaryDir files;
    const QString project = files.filePath(QStringLiteral("Party Mix.dwp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVANE_TEST_DATA_DIR "/empty_project.dwp"), project));
    const QString picture = files.filePath(QStringLiteral("red.png"));
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(picture));
    const QString home = m_program.Path();
    const QString seconds = QStringLiteral("LUMVANE_AUTOSAVE_SECONDS");

    // An edit, an autosave, then the program is killed.
    QByteArray edited;
    {
        Window window(home, {project},
                      {{seconds, QStringLiteral("1")},
                       {QStringLiteral("LUMVANE_TEST_INSERT_PICTURE"), picture}});
        ASSERT_TRUE(WaitFor([&] { return RecoveryIds(Recovery()).size() == 1; }))
            << window.Err().toStdString();
        const QString id = RecoveryIds(Recovery()).front();
        EXPECT_EQ(RecoveryStore::ReadEntry(Recovery(), id).projectPath, project);
        window.Signal(SIGKILL);
        ASSERT_TRUE(window.WaitForEnd());
        edited = Dump(home, Recovery() + u'/' + id + QStringLiteral(".dwp"));
        ASSERT_NE(edited, Dump(home, project));
    }
    EXPECT_EQ(Dump(home, project),
              Dump(home, QStringLiteral(LUMVANE_TEST_DATA_DIR "/empty_project.dwp")))
        << "the user's file is never written";

    // Not answered (no screen, no answer): the recovery stays.
    {
        Window window(home, {}, {});
        ASSERT_TRUE(window.WaitForError("Restore the changes to Party Mix.dwp made at "));
        EXPECT_TRUE(window.WaitForError("(unanswered)"));
        window.Signal(SIGTERM);
        ASSERT_TRUE(window.WaitForEnd());
        EXPECT_EQ(RecoveryIds(Recovery()).size(), 1);
    }

    // Yes: the restored project carries the file's path and is modified; the
    // window's own recovery holds it at once, and SIGTERM keeps that.
    {
        Window window(home, {},
                      {{seconds, QStringLiteral("3600")},
                       {QStringLiteral("LUMVANE_TEST_ANSWER_RECOVERY"), QStringLiteral("yes")}});
        ASSERT_TRUE(window.WaitForError("Lumvane did not close properly. Restore the changes to "
                                        "Party Mix.dwp made at "));
        window.Signal(SIGTERM);
        ASSERT_TRUE(window.WaitForEnd());
        EXPECT_EQ(window.Process().exitCode(), 0);
        const QStringList ids = RecoveryIds(Recovery());
        ASSERT_EQ(ids.size(), 1);
        EXPECT_EQ(RecoveryStore::ReadEntry(Recovery(), ids[0]).projectPath, project);
        EXPECT_EQ(Dump(home, Recovery() + u'/' + ids[0] + QStringLiteral(".dwp")), edited);
    }

    // SIGTERM writes what changed since the last autosave.
    {
        Window window(home, {},
                      {{seconds, QStringLiteral("3600")},
                       {QStringLiteral("LUMVANE_TEST_ANSWER_RECOVERY"), QStringLiteral("yes")},
                       {QStringLiteral("LUMVANE_TEST_INSERT_PICTURE"), picture}});
        ASSERT_TRUE(window.WaitForError("Restore the changes to"));
        window.Signal(SIGTERM);
        ASSERT_TRUE(window.WaitForEnd());
        const QStringList ids = RecoveryIds(Recovery());
        ASSERT_EQ(ids.size(), 1);
        const QByteArray twice = Dump(home, Recovery() + u'/' + ids[0] + QStringLiteral(".dwp"));
        EXPECT_NE(twice, edited);
        EXPECT_GT(twice.size(), edited.size());
    }

    // No: the recovery is deleted.
    {
        Window window(home, {},
                      {{QStringLiteral("LUMVANE_TEST_ANSWER_RECOVERY"), QStringLiteral("no")}});
        ASSERT_TRUE(window.WaitForError("Restore the changes to"));
        window.Signal(SIGTERM);
        ASSERT_TRUE(window.WaitForEnd());
        EXPECT_TRUE(RecoveryFiles(Recovery()).isEmpty())
            << RecoveryFiles(Recovery()).join(u' ').toStdString();
    }
}
