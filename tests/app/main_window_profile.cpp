#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The window keeps recent files and its bar layout in the user's profile.
// Tests put that profile in a temporary folder, so they neither read nor
// change the profile of the person running them.
class TemporaryProfile : public ::testing::Environment {
public:
    void SetUp() override {
        m_dir = std::make_unique<QTemporaryDir>();
        QCoreApplication::setOrganizationName(QStringLiteral("Lumvane"));
        QCoreApplication::setApplicationName(QStringLiteral("Lumvane"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->path());
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

[[maybe_unused]] ::testing::Environment* const kProfile =
    ::testing::AddGlobalTestEnvironment(new TemporaryProfile);

} // namespace
