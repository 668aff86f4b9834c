#include "platform/app_places.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every variable the places read, cleared unless the test gives a value.
ScopedEnvironment XdgEnvironment(const QString& home, const QString& config = {},
                                 const QString& data = {}, const QString& dataDirs = {},
                                 const QString& state = {}) {
    return ScopedEnvironment{
        {"HOME", home},          {"LUMVANE_HOME", QString()}, {"XDG_CONFIG_HOME", config},
        {"XDG_DATA_HOME", data}, {"XDG_DATA_DIRS", dataDirs}, {"XDG_STATE_HOME", state}};
}

} // namespace

TEST(AppPlaces, InstalledLayoutFollowsTheXdgVariables) {
    const ScopedEnvironment env = XdgEnvironment(
        QStringLiteral("/home/ann"), QStringLiteral("/cfg"), QStringLiteral("/data"),
        // A relative entry is invalid and ignored; a repeated folder is searched once.
        QStringLiteral("/usr/share:relative/share::/opt/lumvane/share/"), QStringLiteral("/st"));
    const AppPlaces places = InstalledPlaces(QStringLiteral("/opt/lumvane/bin"));
    EXPECT_FALSE(places.portable);
    EXPECT_EQ(places.settingsFile, QStringLiteral("/cfg/lumvane/lumvanesetup.ini"));
    EXPECT_EQ(places.userDataFolder, QStringLiteral("/data/lumvane"));
    EXPECT_EQ(places.dataFolders,
              (QStringList{QStringLiteral("/data/lumvane"), QStringLiteral("/usr/share/lumvane"),
                           QStringLiteral("/opt/lumvane/share/lumvane")}));
    EXPECT_EQ(places.stateFolder, QStringLiteral("/st/lumvane"));
}

TEST(AppPlaces, InstalledLayoutDefaultsUnderTheHomeFolder) {
    // Unset and relative variables both fall back to the defaults.
    const ScopedEnvironment env =
        XdgEnvironment(QStringLiteral("/home/ann"), QString(), QStringLiteral("rel/data"));
    const AppPlaces places = InstalledPlaces(QStringLiteral("/usr/bin"));
    EXPECT_EQ(places.settingsFile, QStringLiteral("/home/ann/.config/lumvane/lumvanesetup.ini"));
    EXPECT_EQ(places.dataFolders, (QStringList{QStringLiteral("/home/ann/.local/share/lumvane"),
                                               QStringLiteral("/usr/local/share/lumvane"),
                                               QStringLiteral("/usr/share/lumvane")}));
    EXPECT_EQ(places.stateFolder, QStringLiteral("/home/ann/.local/state/lumvane"));
}

TEST(AppPlaces, PortableLayoutKeepsEverythingInTheProgramFolder) {
    const AppPlaces places = PortablePlaces(QStringLiteral("/stick/lumvane/RELEASE"));
    EXPECT_TRUE(places.portable);
    EXPECT_EQ(places.settingsFile, QStringLiteral("/stick/lumvane/lumvanesetup.ini"));
    EXPECT_EQ(places.userDataFolder, QStringLiteral("/stick/lumvane"));
    // The stocks beside the executable in its build-type folder stay found.
    EXPECT_EQ(places.dataFolders, (QStringList{QStringLiteral("/stick/lumvane"),
                                               QStringLiteral("/stick/lumvane/RELEASE")}));
    EXPECT_EQ(places.stateFolder, QStringLiteral("/stick/lumvane/recovery"));
    EXPECT_TRUE(places.IsUserFile(QStringLiteral("/stick/lumvane/layouts/disk/a.jpg")));
}

TEST(AppPlaces, PortableWhenTheProgramFolderHoldsItsDataOrLumvaneHomeIsSet) {
    QTemporaryDir withData, bare;
    QDir(withData.path()).mkpath(QStringLiteral("label stock/disc"));
    EXPECT_TRUE(RunsPortable(withData.path()));
    EXPECT_FALSE(RunsPortable(bare.path()));
    EXPECT_FALSE(RunsPortable(QStringLiteral("/nonexistent/bin")));

    {
        const ScopedEnvironment env{{"LUMVANE_HOME", bare.path()}};
        const AppPlaces places = CurrentPlaces();
        EXPECT_TRUE(places.portable);
        EXPECT_EQ(places.settingsFile, bare.filePath(QStringLiteral("lumvanesetup.ini")));
    }
}

TEST(AppPlaces, UserFilesWinOverShippedOnes) {
    QTemporaryDir dir;
    const ScopedEnvironment env = XdgEnvironment(
        dir.path(), QString(), dir.filePath(QStringLiteral("user")),
        dir.filePath(QStringLiteral("a")) + u':' + dir.filePath(QStringLiteral("b")));
    const AppPlaces places = InstalledPlaces(dir.filePath(QStringLiteral("bin")));
    WriteTextFile(dir.filePath(QStringLiteral("b/lumvane/lumvanesupport.ini")), "b");
    WriteTextFile(dir.filePath(QStringLiteral("a/lumvane/lumvanesupport.ini")), "a");
    WriteTextFile(dir.filePath(QStringLiteral("b/lumvane/manual/index.html")), "b");
    EXPECT_EQ(places.FindDataFile(QStringLiteral("lumvanesupport.ini")),
              dir.filePath(QStringLiteral("a/lumvane/lumvanesupport.ini")));
    EXPECT_EQ(places.FindDataFile(QStringLiteral("manual/index.html")),
              dir.filePath(QStringLiteral("b/lumvane/manual/index.html")));
    EXPECT_EQ(places.FindDataFile(QStringLiteral("missing.ini")), QString());

    WriteTextFile(dir.filePath(QStringLiteral("user/lumvane/lumvanesupport.ini")), "user");
    EXPECT_EQ(places.FindDataFile(QStringLiteral("lumvanesupport.ini")),
              dir.filePath(QStringLiteral("user/lumvane/lumvanesupport.ini")));

    EXPECT_TRUE(places.IsUserFile(dir.filePath(QStringLiteral("user/lumvane/layouts/disk/x.jpg"))));
    EXPECT_FALSE(places.IsUserFile(dir.filePath(QStringLiteral("a/lumvane/layouts/disk/x.jpg"))));
    // A sibling folder whose name merely begins the same is not the user's.
    EXPECT_FALSE(places.IsUserFile(dir.filePath(QStringLiteral("user/lumvane2/x.jpg"))));
}
