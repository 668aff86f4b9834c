// The support file, the help commands and the About box, with the desktop's
// URL handling caught through Qt's own per-scheme handlers.
#include "app/help/manual_window.h"
#include "app/help/support_links.h"
#include "app/window/about_box.h"
#include "main_window_fixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

namespace {

// Receives what the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Record(const QUrl& url) { urls.append(url); }
};

const char* const kSchemes[] = {"https", "mailto", "file"};

class HelpLinksTest : public MainWindowTest {
protected:
    HelpLinksTest() : m_oldHome(qgetenv("LUMVANE_HOME")) {
        qputenv("LUMVANE_HOME", program.Path().toLocal8Bit());
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "Record");
    }
    ~HelpLinksTest() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        qputenv("LUMVANE_HOME", m_oldHome);
        // A manual window is the frame's child and goes with it.
    }
    void WriteSupport(const QByteArray& text) {
        QFile file(program.File(QStringLiteral("lumvanesupport.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    UrlRecorder recorder;

private:
    QByteArray m_oldHome;
};

TEST_F(HelpLinksTest, SupportValuesAreReadEachTimeEmptyWhenMissingAndCutAt255) {
    WriteSupport("[Support]\nHomePage = \"https://one.example\"\n");
    EXPECT_EQ(SupportLinks::Value(QStringLiteral("homepage")), "https://one.example");
    EXPECT_EQ(SupportLinks::Value(QStringLiteral("mailto")), QString());

    // A later edit is seen at once; an over-long value keeps 255 characters.
    const QByteArray longValue(300, 'x');
    WriteSupport("[support]\ntitle=" + longValue + "\n");
    EXPECT_EQ(SupportLinks::Value(QStringLiteral("title")), QString(255, QLatin1Char('x')));
    EXPECT_EQ(SupportLinks::Value(QStringLiteral("homepage")), QString());

    QFile::remove(SupportLinks::FilePath());
    EXPECT_EQ(SupportLinks::Value(QStringLiteral("title")), QString());
}

TEST_F(HelpLinksTest, HelpCommandsOpenTheSupportFileTargets) {
    // The shipped support file names a manual that is shipped too.
    Action(CommandId::kHelpContents)->trigger();
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls[0], QUrl::fromLocalFile(program.File("manual/index.html")));

    WriteSupport("[support]\nhomepage=https://labels.example/start\n"
                 "mailto=mailto:help@labels.example?subject=Lumvane\n");
    Action(CommandId::kHelpHomePage)->trigger();
    Action(CommandId::kHelpTechSupport)->trigger();
    ASSERT_EQ(recorder.urls.size(), 3);
    EXPECT_EQ(recorder.urls[1], QUrl("https://labels.example/start"));
    EXPECT_EQ(recorder.urls[2], QUrl("mailto:help@labels.example?subject=Lumvane"));

    // An empty target opens nothing and reports nothing.
    WriteSupport("[support]\n");
    Action(CommandId::kHelpHomePage)->trigger();
    Action(CommandId::kHelpTechSupport)->trigger();
    EXPECT_EQ(recorder.urls.size(), 3);
}

// Link values typed without a scheme open as a browser would open them,
// not as local files that do not exist.
TEST_F(HelpLinksTest, LinksWithoutASchemeBecomeWebOrMailAddresses) {
    const struct {
        const char* value;
        const char* url;
    } cases[] = {
        {"www.labels.example", "https://www.labels.example"},
        {"labels.example/help?page=2", "https://labels.example/help?page=2"},
        {"help@labels.example", "mailto:help@labels.example"},
        {"  desk@labels.example  ", "mailto:desk@labels.example"},
        {"labels.example/@team", "https://labels.example/@team"},
        {"http://labels.example", "http://labels.example"},
        {"mailto:help@labels.example", "mailto:help@labels.example"},
        {"/usr/share/doc/lumvane/index.html", "file:///usr/share/doc/lumvane/index.html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SupportLinks::LinkUrl(QString::fromLatin1(c.value)), QUrl(c.url)) << c.value;
    EXPECT_FALSE(SupportLinks::LinkUrl(QStringLiteral("  ")).isValid());

    WriteSupport("[support]\nhomepage=www.labels.example\nmailto=help@labels.example\n");
    Action(CommandId::kHelpHomePage)->trigger();
    Action(CommandId::kHelpTechSupport)->trigger();
    AboutBox box;
    emit box.HomePageLink()->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(recorder.urls,
              QList<QUrl>({QUrl("https://www.labels.example"), QUrl("mailto:help@labels.example"),
                           QUrl("https://www.labels.example")}));
}

TEST_F(HelpLinksTest, ManualFallsBackToOwnWindowWhenTheDesktopCannotOpenIt) {
    // A handler without the named slot makes the desktop's open fail.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "NoSuchSlot");
    WriteSupport("[support]\nhelp=manual\\index.html\n");
    Action(CommandId::kHelpContents)->trigger();
    ManualWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<ManualWindow*>(widget))
            window = found;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Browser()->source(), QUrl::fromLocalFile(program.File("manual/index.html")));
    EXPECT_FALSE(window->Browser()->toPlainText().trimmed().isEmpty());

    // Escape closes it, as the desktop's Close key does.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QPointer<ManualWindow> alive(window);
    QTest::keyClick(window->Browser(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull() || !alive->isVisible(); }));
}

TEST_F(HelpLinksTest, AboutBoxShowsTitleAndOpensItsLinks) {
    WriteSupport("[support]\ntitle=Lumvane Studio Edition\nhomepage=https://home.example\n"
                 "mailto=mailto:desk@home.example\n");
    AboutBox box;
    EXPECT_EQ(box.windowTitle(), "About Lumvane");
    EXPECT_EQ(box.TitleLine()->text(), "Lumvane Studio Edition");
    EXPECT_TRUE(box.HomePageLink()->text().contains("Visit Lumvane HomePage"));
    EXPECT_TRUE(box.SupportLink()->text().contains("Technical Support"));
    EXPECT_EQ(box.HomePageLink()->toolTip(), "https://home.example");
    EXPECT_EQ(box.SupportLink()->toolTip(), "mailto:desk@home.example");

    emit box.SupportLink()->linkActivated(QStringLiteral("#"));
    emit box.HomePageLink()->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(recorder.urls,
              QList<QUrl>({QUrl("mailto:desk@home.example"), QUrl("https://home.example")}));

    // The licence, named, with its text one click away.
    EXPECT_TRUE(
        box.LicenceLink()->text().contains("GNU General Public License, version 3 or later"));
    EXPECT_EQ(box.LicenceLink()->toolTip(), "https://www.gnu.org/licenses/gpl-3.0.html");
    emit box.LicenceLink()->linkActivated(QStringLiteral("#"));
    EXPECT_EQ(recorder.urls.value(2), QUrl("https://www.gnu.org/licenses/gpl-3.0.html"));
}

} // namespace

#include "help_links_test.moc"
