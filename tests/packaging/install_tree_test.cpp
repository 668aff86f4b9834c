// `cmake --install` into a temporary DESTDIR, then the installed program run
// from there the way a user's desktop runs it: a home and XDG folders of its
// own, the shipped data found through XDG_DATA_DIRS, nothing written into
// the installed tree.

#include "packaging_support.h"
#include "support/test_support.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Every file under `folder` with its size and modification time.
std::map<QString, QString> Snapshot(const QString& folder) {
    std::map<QString, QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files[it.filePath()] = QStringLiteral("%1 %2")
                                   .arg(it.fileInfo().size())
                                   .arg(it.fileInfo().lastModified().toMSecsSinceEpoch());
    }
    return files;
}

class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = std::make_unique<QTemporaryDir>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), s_root->path());
        const ToolRun install =
            RunTool(QStringLiteral(LUMVANE_CMAKE_COMMAND),
                    {QStringLiteral("--install"), QStringLiteral(LUMVANE_BUILD_DIR),
                     QStringLiteral("--prefix"), QStringLiteral("/usr")},
                    env, 120000);
        s_installOutput = install.output;
        s_installed = install.exitCode == 0;
        // Read-only, as /usr is for users (root ignores the modes, hence the
        // snapshot comparison below).
        RunTool(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"),
                                          s_root->filePath(QStringLiteral("usr"))});
    }
    static void TearDownTestSuite() {
        RunTool(QStringLiteral("chmod"),
                {QStringLiteral("-R"), QStringLiteral("u+w"), s_root->path()});
        s_root.reset();
    }
    void SetUp() override { ASSERT_TRUE(s_installed) << s_installOutput.toStdString(); }

    static QString Usr(const QString& relative) {
        return s_root->filePath(QStringLiteral("usr/") + relative);
    }

    // The user's session: home and XDG folders of the test's own, the
    // installed share/ as the system data folder, no portable program folder.
    QProcessEnvironment UserEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LUMVANE_HOME"));
        env.insert(QStringLiteral("HOME"), user.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), user.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), user.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), user.filePath(QStringLiteral("state")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), user.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), Usr(QStringLiteral("share")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    ToolRun Installed(const QStringList& args) const {
        return RunTool(Usr(QStringLiteral("bin/lumvane")), args, UserEnvironment(), 30000);
    }

    static std::unique_ptr<QTemporaryDir> s_root;
    static QString s_installOutput;
    static bool s_installed;
    QTemporaryDir user;
};

std::unique_ptr<QTemporaryDir> InstallTree::s_root;
QString InstallTree::s_installOutput;
bool InstallTree::s_installed = false;

} // namespace

TEST_F(InstallTree, FilesLandInTheirStandardPlaces) {
    EXPECT_TRUE(QFileInfo(Usr(QStringLiteral("bin/lumvane"))).isExecutable());
    for (const char* file : {
             "share/applications/org.lumvane.Lumvane.desktop",
             "share/metainfo/org.lumvane.Lumvane.metainfo.xml",
             "share/mime/packages/org.lumvane.Lumvane.xml",
             "share/thumbnailers/lumvane.thumbnailer",
             "share/icons/hicolor/scalable/apps/org.lumvane.Lumvane.svg",
             "share/man/man1/lumvane.1.gz",
             "share/lumvane/label stock/disc/plain paper(A4).ini",
             "share/lumvane/label stock/front inside/Plain Paper (A4).ini",
             "share/lumvane/label stock/back/Plain Paper(A4).ini",
             "share/lumvane/lumvanesupport.ini",
             "share/lumvane/manual/index.html",
         })
        EXPECT_TRUE(QFileInfo(Usr(QLatin1String(file))).isFile()) << file;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(Usr(
            QStringLiteral("share/icons/hicolor/%1x%1/apps/org.lumvane.Lumvane.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }
}

TEST_F(InstallTree, InstalledProgramRunsWithTheUsersFolders) {
    const auto before = Snapshot(s_root->path());
    const ToolRun version = Installed({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.trimmed(), QStringLiteral("Lumvane " LUMVANE_PROJECT_VERSION));

    // A project with no label stocks of its own takes the settings' defaults,
    // which are the shipped stocks; the preview is made as a file manager
    // runs the installed thumbnailer entry.
    QTemporaryDir work;
    const QString project = work.filePath(QStringLiteral("new.dwp"));
    WriteTextFile(project, ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/empty_project.dwp"))
                               .replace("\x15/nonexistent/disc.ini", QByteArray(1, '\0'))
                               .replace("\x16/nonexistent/front.ini", QByteArray(1, '\0'))
                               .replace("\x15/nonexistent/back.ini", QByteArray(1, '\0')));
    QSettings thumbnailer(Usr(QStringLiteral("share/thumbnailers/lumvane.thumbnailer")),
                          QSettings::IniFormat);
    QStringList exec = QProcess::splitCommand(
        thumbnailer.value(QStringLiteral("Thumbnailer Entry/Exec")).toString());
    ASSERT_EQ(exec.value(0), QStringLiteral("lumvane"));
    const QString preview = work.filePath(QStringLiteral("preview.png"));
    exec.replaceInStrings(QStringLiteral("%i"), project);
    exec.replaceInStrings(QStringLiteral("%o"), preview);
    exec.replaceInStrings(QStringLiteral("%s"), QStringLiteral("128"));
    const ToolRun thumbnail = Installed(exec.mid(1));
    ASSERT_EQ(thumbnail.exitCode, 0) << thumbnail.output.toStdString();
    EXPECT_EQ(QImage(preview).size(), QSize(128, 128)); // the shipped 120 mm disc

    // A label stock of the user's own, named by a project made elsewhere, is
    // found by its name in $XDG_DATA_HOME/lumvane: its 100 mm disc is drawn
    // 378 pixels wide at 96 pixels per inch.
    WriteTextFile(user.filePath(QStringLiteral("data/lumvane/label stock/disc/Small Disc.ini")),
                  "[general]\nname=Small Disc\npaper width=21000\npaper height=29700\n"
                  "label number=1\n\n[label.1]\nshape=ellipse\nsource.1=cd disc\n"
                  "left offset=1000\ntop offset=1000\nwidth=10000\nheight=10000\n");
    const QByteArray elsewhere = "/home/someone/label stock/disc/Small Disc.ini";
    const QString small = work.filePath(QStringLiteral("small.dwp"));
    WriteTextFile(small, ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/empty_project.dwp"))
                             .replace("\x15/nonexistent/disc.ini",
                                      QByteArray(1, char(elsewhere.size())) + elsewhere));
    const QString disc = work.filePath(QStringLiteral("disc.png"));
    const ToolRun render = Installed({QStringLiteral("render"), small, QStringLiteral("--face"),
                                      QStringLiteral("disc"), QStringLiteral("-o"), disc});
    ASSERT_EQ(render.exitCode, 0) << render.output.toStdString();
    EXPECT_EQ(QImage(disc).size(), QSize(378, 378));

    // The window writes its settings file under $XDG_CONFIG_HOME.
    const QString settings = user.filePath(QStringLiteral("config/lumvane/lumvanesetup.ini"));
    QProcess window;
    window.setProcessEnvironment(UserEnvironment());
    window.start(Usr(QStringLiteral("bin/lumvane")), {});
    ASSERT_TRUE(window.waitForStarted());
    for (int i = 0; i < 300 && !QFile::exists(settings); ++i)
        QThread::msleep(50);
    window.kill();
    window.waitForFinished();
    EXPECT_TRUE(QFile::exists(settings));

    EXPECT_EQ(Snapshot(s_root->path()), before) << "the program wrote into its installed tree";
}
