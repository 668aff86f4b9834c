#include "platform/program_folder.h"

#include <gtest/gtest.h>

TEST(ProgramFolder, BuildTypeFoldersAreTrimmedCaseSensitively) {
    struct Case {
        const char* folder;
        const char* expected;
    } const cases[] = {
        {"/opt/lumvane", "/opt/lumvane"},
        {"/opt/lumvane/RELEASE", "/opt/lumvane"},
        {"/opt/lumvane/DEBUG", "/opt/lumvane"},
        {"/opt/lumvane/release", "/opt/lumvane/release"},
        {"/opt/lumvane/RELEASE/DEBUG", "/opt/lumvane"}, // both rules, DEBUG first
        {"/opt/lumvane/DEBUG/RELEASE", "/opt/lumvane/DEBUG"},
        {"/opt/MYRELEASE", "/opt/MYRELEASE"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrimBuildTypeFolder(QString::fromLatin1(c.folder)),
                  QString::fromLatin1(c.expected));
}

TEST(ProgramFolder, LumvaneHomeOverridesTheExecutableFolder) {
    qputenv("LUMVANE_HOME", "/tmp/somewhere/RELEASE");
    EXPECT_EQ(ExecutableFolder(), QStringLiteral("/tmp/somewhere/RELEASE"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/tmp/somewhere"));
    qunsetenv("LUMVANE_HOME");
    EXPECT_FALSE(ExecutableFolder().isEmpty());
}
