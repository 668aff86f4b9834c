#include "app/app_settings.h"
#include "app/application.h"
#include "app/main_frame.h"
#include "document/discwright_doc.h"
#include "support/test_support.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

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

    process.start(QStringLiteral(LUMVANE_EXECUTABLE), {QStringLiteral("--bogus")});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().contains("--bogus"));
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

TEST_F(StartupTest, SecondInstanceHandsOverItsFileAndExits) {
    // The first instance: the real executable in its own program folder.
    QProcess first;
    first.setProcessEnvironment(LumvaneEnvironment(m_program.Path()));
    first.start(QStringLiteral(LUMVANE_EXECUTABLE), QStringList());
    ASSERT_TRUE(first.waitForStarted(10000));
    // It saves its settings right after claiming the instance.
    for (int i = 0; i < 200 && !QFileInfo::exists(SettingsPath()); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFileInfo::exists(SettingsPath()));

    const ProcessResult second =
        RunLumvane({m_program.File(QStringLiteral("some.dwp"))}, m_program.Path(), 10000);
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    first.waitForFinished(10000);

    // With the first gone, a new start becomes the first again.
    CDiscwrightApp app;
    EXPECT_TRUE(app.InitInstance(QString()));
}
