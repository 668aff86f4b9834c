// The desktop integration files as the desktop's own tools read them: the
// validators accept them, and the MIME database built from our package names
// our types for projects, layouts and a project renamed without extension.

#include "packaging_support.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DesktopFiles, ValidatorsFindNothingToReport) {
    struct Case {
        const char* tool;
        QStringList args;
    };
    const Case cases[] = {
        {"desktop-file-validate", {PackagingFile(QStringLiteral("org.lumvane.Lumvane.desktop"))}},
        {"appstreamcli",
         {QStringLiteral("validate"), QStringLiteral("--no-net"),
          PackagingFile(QStringLiteral("org.lumvane.Lumvane.metainfo.xml"))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        const ToolRun run = RunTool(QLatin1String(c.tool), c.args);
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
        EXPECT_FALSE(run.output.contains(QLatin1String("error"), Qt::CaseInsensitive))
            << run.output.toStdString();
        EXPECT_FALSE(run.output.contains(QLatin1String("warning"), Qt::CaseInsensitive))
            << run.output.toStdString();
    }
}

// update-mime-database into a data folder of the test's own, found through
// XDG_DATA_HOME, with the system's database for every other type.
TEST(DesktopFiles, MimeDatabaseKnowsProjectsByNameAndByContent) {
    QTemporaryDir data;
    const QString packages = data.filePath(QStringLiteral("mime/packages"));
    ASSERT_TRUE(QDir().mkpath(packages));
    ASSERT_TRUE(QFile::copy(PackagingFile(QStringLiteral("org.lumvane.Lumvane.mime.xml")),
                            packages + QStringLiteral("/org.lumvane.Lumvane.xml")));
    const ToolRun update =
        RunTool(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    ASSERT_EQ(update.exitCode, 0) << update.output.toStdString();

    QTemporaryDir files;
    const QByteArray project =
        ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/disc_shapes_text.dwp"));
    ASSERT_FALSE(project.isEmpty());
    WriteTextFile(files.filePath(QStringLiteral("album.dwp")), project);
    WriteTextFile(files.filePath(QStringLiteral("album copy")), project);
    WriteTextFile(files.filePath(QStringLiteral("corner.lay")), QByteArray(2, '\0'));
    WriteTextFile(files.filePath(QStringLiteral("notes")), "Track list for the party\n");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    env.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
    // xdg-mime asks the desktop's own tool when it knows the desktop; without
    // one it reads the MIME database through File::MimeInfo.
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    env.remove(QStringLiteral("DE"));
    struct Case {
        const char* file;
        const char* type;
    };
    const Case cases[] = {
        {"album.dwp", "application/x-lumvane-project"},
        {"album copy", "application/x-lumvane-project"}, // by its first bytes
        {"corner.lay", "application/x-lumvane-layout"},
        {"notes", "text/plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ToolRun query = RunTool(QStringLiteral("xdg-mime"),
                                      {QStringLiteral("query"), QStringLiteral("filetype"),
                                       files.filePath(QLatin1String(c.file))},
                                      env);
        EXPECT_EQ(query.exitCode, 0) << query.output.toStdString();
        EXPECT_EQ(query.output.trimmed().toStdString(), c.type);
    }
}
