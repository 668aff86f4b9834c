// lumvane thumbnail, as file managers run it: the preview's size and
// contents, and hostile or damaged projects failing at once with one line.

#include "document/discwright_doc.h"
#include "support/raw_process.h"
#include "support/test_support.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

void ExpectNear(QColor actual, QColor expected, int tolerance, const char* what) {
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << what;
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << what;
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << what;
    EXPECT_EQ(actual.alpha(), 255) << what;
}

// An empty project on the shipped stocks, and the same project with a flat
// green photo (made by ImageMagick) at the front cover's top-left corner.
class ThumbnailVerb : public ::testing::Test {
protected:
    void SetUp() override {
        CDiscwrightDoc doc(program.DefaultStocks());
        doc.OnNewDocument();
        front = QSize(doc.GetFace(kFrontFace).Width(), doc.GetFace(kFrontFace).Height());
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(empty, &error)) << error.toStdString();
        ASSERT_TRUE(doc.OnSaveDocument(withPhoto, &error)) << error.toStdString();

        const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
        ASSERT_EQ(QProcess::execute(QStringLiteral("convert"),
                                    {QStringLiteral("-size"), QStringLiteral("240x160"),
                                     QStringLiteral("xc:rgb(30,160,90)"),
                                     QStringLiteral("-quality"), QStringLiteral("95"), photo}),
                  0);
        const ProcessResult added = RunLumvane({QStringLiteral("add-picture"), withPhoto, photo,
                                                QStringLiteral("--face"), QStringLiteral("front")},
                                               program.Path());
        ASSERT_EQ(added.exitCode, 0) << added.err.constData();
    }

    ProcessResult Thumbnail(const QString& input, const QString& output, const QByteArray& size,
                            int timeoutMs = 30000) {
        RawRun run;
        run.args = {"thumbnail", Native(input), Native(output), size};
        run.timeoutMs = timeoutMs;
        return RunLumvaneRaw(run, program.Path());
    }

    TempProgramFolder program;
    QTemporaryDir dir;
    QString empty = dir.filePath(QStringLiteral("empty.dwp"));
    QString withPhoto = dir.filePath(QStringLiteral("photo.dwp"));
    QString output = dir.filePath(QStringLiteral("preview.png"));
    QSize front; // hundredths of a millimetre
};

} // namespace

// The front cover fitted into SIZE x SIZE with its proportions, the photo in
// its corner, the rest of the cover white and opaque.
TEST_F(ThumbnailVerb, ShowsTheFrontCoverWithItsPhoto) {
    for (const int size : {128, 256}) {
        SCOPED_TRACE(size);
        const ProcessResult r = Thumbnail(withPhoto, output, QByteArray::number(size));
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
        const QImage preview(output, "PNG");
        ASSERT_FALSE(preview.isNull());
        EXPECT_EQ(std::max(preview.width(), preview.height()), size);
        const double aspect = double(front.width()) / front.height();
        EXPECT_NEAR(double(preview.width()) / preview.height(), aspect, 2.0 / size);

        // The photo is 240 x 160 pixels of a face drawn at 96 pixels per inch.
        const double scale = preview.width() / (front.width() / 2540.0 * 96);
        const QPoint inPhoto(int(120 * scale), int(80 * scale));
        ExpectNear(preview.pixelColor(inPhoto), QColor(30, 160, 90), 6, "photo");
        const QPoint pastPhoto(int(300 * scale), int(300 * scale));
        ExpectNear(preview.pixelColor(pastPhoto), Qt::white, 0, "cover");
    }
}

// With nothing on the front the disc shows: transparent in the corners and
// the hole, white on the ring.
TEST_F(ThumbnailVerb, AnEmptyFrontShowsTheDisc) {
    const ProcessResult r = Thumbnail(empty, output, "100");
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QImage preview(output, "PNG");
    ASSERT_EQ(preview.size(), QSize(100, 100));
    EXPECT_EQ(preview.pixelColor(2, 2).alpha(), 0) << "corner";
    EXPECT_EQ(preview.pixelColor(50, 50).alpha(), 0) << "hole";
    ExpectNear(preview.pixelColor(50, 20), Qt::white, 0, "ring");
}

// Damaged, foreign and hostile inputs and bad sizes: status 1 and one line
// at once, no preview written. The picture claiming 30,000 x 30,000 pixels
// is refused from its header, so memory stays small even in builds without
// the address-space limit (sanitizers).
TEST_F(ThumbnailVerb, BadInputFailsAtOnceWithOneLine) {
    const QByteArray good = ReadWholeFile(withPhoto);
    const int sof = good.indexOf(QByteArray("\xff\xc0", 2));
    ASSERT_GT(sof, 0);
    QByteArray claims = good;
    claims.replace(sof + 5, 4, QByteArray("\x75\x30\x75\x30", 4)); // 30000 x 30000
    const QString huge = dir.filePath(QStringLiteral("huge.dwp"));
    WriteTextFile(huge, claims);
    const QString cut = dir.filePath(QStringLiteral("cut.dwp"));
    WriteTextFile(cut, good.left(good.size() / 2));
    const QString foreign = dir.filePath(QStringLiteral("foreign.dwp"));
    WriteTextFile(foreign, QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(200, '\x7f'));

    struct Case {
        const char* name;
        QString input;
        QByteArray size;
        const char* message;
    };
    const Case cases[] = {
        {"cut short", cut, "128", "cut.dwp: "},
        {"not a project", foreign, "128", "foreign.dwp: "},
        {"missing", dir.filePath(QStringLiteral("none.dwp")), "128", "none.dwp: "},
        {"claims 30000 x 30000", huge, "128", "30000 x 30000"},
        {"size 0", withPhoto, "0", "SIZE wants a whole number"},
        {"size not a number", withPhoto, "big", "SIZE wants a whole number"},
    };
    const bool sanitized = UnderAddressSanitizer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        const ProcessResult r = Thumbnail(c.input, output, c.size, 15000);
        const qint64 elapsed = clock.elapsed();
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.startsWith("lumvane: ")) << r.err.constData();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.constData();
        EXPECT_LT(elapsed, sanitized ? 5000 : 1000);
        EXPECT_LT(r.maxRssKb, 512 * 1024) << "the preview's own memory limit";
        EXPECT_FALSE(QFile::exists(output));
    }
}
