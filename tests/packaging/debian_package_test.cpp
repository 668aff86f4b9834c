// The Debian package made by cpack from the install rules: its control data,
// its files, and what lintian, Debian's package checker, says of it.

#include "packaging_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DebianPackage, HoldsTheProgramAndPassesLintian) {
    QTemporaryDir out;
    const ToolRun pack = RunTool(
        QStringLiteral(LUMVANE_CPACK_COMMAND),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
         QStringLiteral(LUMVANE_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), out.path()},
        QProcessEnvironment::systemEnvironment(), 400000);
    ASSERT_EQ(pack.exitCode, 0) << pack.output.toStdString();
    const QString deb =
        out.filePath(QStringLiteral("lumvane_" LUMVANE_PROJECT_VERSION "_amd64.deb"));
    ASSERT_TRUE(QFile::exists(deb)) << pack.output.toStdString();

    const ToolRun info = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), deb});
    ASSERT_EQ(info.exitCode, 0) << info.output.toStdString();
    for (const char* line :
         {"Package: lumvane", "Version: " LUMVANE_PROJECT_VERSION, "Section: graphics",
          "Architecture: amd64", "Maintainer: ", "Recommends: fonts-liberation2"})
        EXPECT_TRUE(info.output.contains(QLatin1String(line))) << line;
    // Dependencies come from dpkg-shlibdeps, with versions.
    for (const char* dependency : {"libc6 (>=", "libqt6widgets6 (>=", "libqt6svg6 (>=",
                                   "libjpeg62-turbo (>=", "libcups2 (>="})
        EXPECT_TRUE(info.output.contains(QLatin1String(dependency))) << dependency;
    // The caches are refreshed by the triggers of the packages that own them.
    for (const char* script : {"postinst", "postrm", "preinst", "prerm"})
        EXPECT_FALSE(info.output.contains(QLatin1String(script))) << script;

    const ToolRun contents =
        RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    ASSERT_EQ(contents.exitCode, 0) << contents.output.toStdString();
    for (const char* path : {
             "./usr/bin/lumvane",
             "./usr/share/applications/org.lumvane.Lumvane.desktop",
             "./usr/share/metainfo/org.lumvane.Lumvane.metainfo.xml",
             "./usr/share/mime/packages/org.lumvane.Lumvane.xml",
             "./usr/share/thumbnailers/lumvane.thumbnailer",
             "./usr/share/icons/hicolor/scalable/apps/org.lumvane.Lumvane.svg",
             "./usr/share/icons/hicolor/48x48/apps/org.lumvane.Lumvane.png",
             "./usr/share/man/man1/lumvane.1.gz",
             "./usr/share/doc/lumvane/copyright",
             "./usr/share/lumvane/label stock/disc/plain paper(A4).ini",
             "./usr/share/lumvane/lumvanesupport.ini",
             "./usr/share/lumvane/manual/index.html",
         })
        EXPECT_TRUE(contents.output.contains(QLatin1String(path))) << path;
    EXPECT_FALSE(contents.output.contains(QLatin1String("lumvane_render_icon")));

    // Errors and warnings fail; lintian's informational notes are listed in
    // the packaging notes, not here.
    const ToolRun lintian =
        RunTool(QStringLiteral("lintian"), {QStringLiteral("--allow-root"), deb},
                QProcessEnvironment::systemEnvironment(), 300000);
    EXPECT_EQ(lintian.exitCode, 0) << lintian.output.toStdString();
    for (const QString& line : lintian.output.split(QLatin1Char('\n'))) {
        EXPECT_FALSE(line.startsWith(QLatin1String("E: "))) << line.toStdString();
        EXPECT_FALSE(line.startsWith(QLatin1String("W: "))) << line.toStdString();
    }
}
