// The command line against full disks, killed saves, endless or huge inputs
// and file names that are not UTF-8: nothing lost, nothing hangs, and every
// failure is one line on stderr.

#include "app/app_settings.h"
#include "document/discwright_doc.h"
#include "objects/image.h"
#include "platform/sanitizer_build.h"
#include "support/raw_process.h"
#include "support/small_filesystem.h"
#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/") + QLatin1String(name);
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// A failure as the command line reports it: status 1, nothing on stdout,
// one line on stderr that contains `text`.
void ExpectOneLineFailure(const ProcessResult& r, const QString& text, const std::string& name) {
    EXPECT_TRUE(r.finished) << name << ": did not finish";
    EXPECT_EQ(r.exitCode, 1) << name;
    EXPECT_TRUE(r.out.isEmpty()) << name;
    EXPECT_TRUE(r.err.startsWith("lumvane: ")) << name << ": " << r.err.constData();
    EXPECT_EQ(r.err.count('\n'), 1) << name << ": " << r.err.constData();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(text))
        << name << ": " << r.err.constData() << " lacks " << text.toStdString();
}

// Projects and pictures large enough that no few free KiB hold them.
class ReliabilityCli : public ::testing::Test {
protected:
    void SetUp() override {
        QImage noise(160, 160, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, random.generate());
        picture = dir.filePath(QStringLiteral("noise.png"));
        ASSERT_TRUE(noise.save(picture));

        CDiscwrightDoc doc(Settings());
        doc.OnNewDocument();
        auto image = std::make_unique<CImage>(0, 0);
        ASSERT_TRUE(image->LoadFile(picture));
        image->m_width = 3000;
        image->m_height = -3000;
        doc.AddObject(std::move(image));
        for (int i = 0; i < 2000; ++i)
            doc.Album().tracks.push_back({QStringLiteral("artist %1").arg(i),
                                          QStringLiteral("title %1").arg(i),
                                          QStringLiteral("3:%1").arg(i % 60, 2, 10, QChar(u'0'))});
        project = dir.filePath(QStringLiteral("big.dwp"));
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(project, &error)) << error.toStdString();

        QByteArray tracks = "{\"tracks\": [";
        for (int i = 0; i < 3000; ++i)
            tracks += QByteArray(i ? "," : "") + "{\"artist\": \"a\", \"title\": \"track " +
                      QByteArray::number(i) + "\", \"play_time\": \"1:00\"}";
        json = dir.filePath(QStringLiteral("tracks.json"));
        WriteTextFile(json, tracks + "]}");
    }

    DocumentSettings Settings() const {
        const QString stocks = program.File(QStringLiteral("label stock/"));
        return DocumentSettings{stocks + "disc/plain paper(A4).ini",
                                stocks + "front inside/Plain Paper (A4).ini",
                                stocks + "back/Plain Paper(A4).ini"};
    }

    TempProgramFolder program;
    QTemporaryDir dir;
    QString picture;
    QString project;
    QString json;
};

} // namespace

// Every writer of the command line onto a disk with nothing, or a few KiB,
// free: the system's reason in one line, the old file byte for byte, no
// temporary file left.
TEST_F(ReliabilityCli, FullDiskKeepsTheOldFileForEveryVerb) {
    SmallFilesystem fs(1024 * 1024);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    const QString target = fs.File(QStringLiteral("target"));
    struct Case {
        const char* name;
        QByteArray old; // the target's bytes before
        QStringList args;
    };
    const QByteArray emptyProject = ReadWholeFile(Fixture("empty_project.dwp"));
    const Case cases[] = {
        {"convert", emptyProject, {"convert", project, target}},
        {"add-picture",
         emptyProject,
         {"add-picture", Fixture("empty_project.dwp"), picture, "--face", "disc", "-o", target}},
        {"render", "an old picture", {"render", project, "--face", "disc", "-o", target}},
        {"tracks apply", ReadWholeFile(project), {"tracks", "apply", target, "--json", json}},
    };
    for (const qint64 freeBytes : {qint64(0), qint64(4096)}) {
        for (const Case& c : cases) {
            const std::string name = c.name + std::string(freeBytes ? ", 4 KiB free" : ", full");
            WriteTextFile(target, c.old);
            fs.Fill(freeBytes);
            const ProcessResult r = RunLumvane(c.args, program.Path());
            ExpectOneLineFailure(r, QStringLiteral("target: cannot write: No space left on device"),
                                 name);
            EXPECT_EQ(ReadWholeFile(target), c.old) << name;
            EXPECT_EQ(fs.Entries(), QStringList{QStringLiteral("target")}) << name;
            QFile::remove(fs.File(QStringLiteral(".filler")));
        }
    }
    // With room, each of them writes.
    for (const Case& c : cases) {
        WriteTextFile(target, c.old);
        const ProcessResult r = RunLumvane(c.args, program.Path());
        EXPECT_EQ(r.exitCode, 0) << c.name << ": " << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty()) << c.name << ": " << r.err.constData();
        EXPECT_NE(ReadWholeFile(target), c.old) << c.name;
    }
}

TEST_F(ReliabilityCli, FullDiskKeepsTheSettingsFile) {
    SmallFilesystem fs(64 * 1024);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    const QString path = fs.File(QStringLiteral("lumvanesetup.ini"));
    const QByteArray old = "[General]\r\nUser=someone\r\n";
    for (const qint64 freeBytes : {qint64(0), qint64(4096)}) {
        WriteTextFile(path, old);
        AppSettings settings(fs.Path());
        settings.LoadSettings();
        settings.m_user = QString(6000, u'u'); // more than 4 KiB of settings
        fs.Fill(freeBytes);
        QString error;
        EXPECT_FALSE(settings.SaveSettings(&error));
        EXPECT_TRUE(error.endsWith(QStringLiteral("No space left on device")))
            << error.toStdString();
        EXPECT_EQ(ReadWholeFile(path), old);
        EXPECT_EQ(fs.Entries(), QStringList{QStringLiteral("lumvanesetup.ini")});
        QFile::remove(fs.File(QStringLiteral(".filler")));
    }
}

// A save killed at any moment leaves the old file or the new one, never a
// mixture; the next successful save removes what the killed ones left.
TEST_F(ReliabilityCli, KilledSavesLeaveTheOldOrTheNewFile) {
    // On a tmpfs when possible, so fsync does not make each round slow.
    SmallFilesystem fs(256 * 1024 * 1024);
    QTemporaryDir fallback;
    const QString folder = fs.Mounted() ? fs.Path() : fallback.path();
    // Two different projects of about 45 MB (long texts read fast).
    QString sources[2];
    for (int k = 0; k < 2; ++k) {
        CDiscwrightDoc doc(Settings());
        doc.OnNewDocument();
        const QString title(10000, QChar(u'a' + k));
        for (int i = 0; i < 1500; ++i)
            doc.Album().tracks.push_back({title, title, title});
        sources[k] = dir.filePath(QStringLiteral("source%1.dwp").arg(k));
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(sources[k], &error)) << error.toStdString();
    }
    const QByteArray contents[2] = {ReadWholeFile(sources[0]), ReadWholeFile(sources[1])};
    ASSERT_GT(contents[0].size(), 45'000'000);
    const QString target = QDir(folder).filePath(QStringLiteral("project.dwp"));
    const QByteArray targetBytes = Native(target);
    ASSERT_TRUE(QFile::copy(sources[0], target));

    // How long one whole save takes, to spread the kills over it.
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(RunLumvane({"convert", sources[1], target}, program.Path()).exitCode, 0);
    const qint64 wholeMs = qMax<qint64>(clock.elapsed(), 20);
    ASSERT_EQ(ReadWholeFile(target), contents[1]);

    // The kill moments are spread evenly over the whole save (a random moment
    // within each of equal slices, the slices in a scattered order so that a
    // run cut short by the time limit still spans the save), for each of the
    // two sources, so that every stage of a save (start-up, reading, writing,
    // replacing, done) gets its kill. Under the sanitizers each round costs
    // several times as much, and fewer slices still cover every stage.
    const int plannedRounds = UnderAddressSanitizer() ? 16 : 50;
    const int slices = plannedRounds / 2;
    QRandomGenerator random(12);
    clock.restart();
    int rounds = 0;
    for (; rounds < plannedRounds && clock.elapsed() < 90'000; ++rounds) {
        const pid_t pid =
            SpawnLumvane({"convert", Native(sources[rounds % 2]), targetBytes}, program.Path());
        ASSERT_GT(pid, 0);
        const int slice = (rounds / 2 * 7) % slices; // 7 shares no factor with 8 or 25
        const double at = (slice + random.generateDouble()) / slices;
        std::this_thread::sleep_for(std::chrono::milliseconds(qRound64(at * double(wholeMs))));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const QByteArray now = ReadWholeFile(target);
        ASSERT_TRUE(now == contents[0] || now == contents[1])
            << "round " << rounds << ": a mixture of " << now.size() << " bytes";
    }
    EXPECT_GE(rounds, qMin(20, plannedRounds)) << "too few rounds in the time limit to mean much";
    ASSERT_EQ(RunLumvane({"convert", sources[0], target}, program.Path()).exitCode, 0);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("lumvane")),
              QStringList());
}

// Inputs and outputs that are not regular files, endless devices, huge files
// and small files that claim huge contents: each ends at once with its one
// line, under an address-space limit so that a regression fails instead of
// eating the machine.
TEST_F(ReliabilityCli, InputsWithoutBoundsAreRefused) {
    const QString fifo = dir.filePath(QStringLiteral("pipe.dwp"));
    const QString fifoM3u = dir.filePath(QStringLiteral("pipe.m3u"));
    const QString fifoJpeg = dir.filePath(QStringLiteral("pipe.jpg"));
    for (const QString& path : {fifo, fifoM3u, fifoJpeg})
        ASSERT_EQ(::mkfifo(Native(path).constData(), 0600), 0);
    const QString sparse = dir.filePath(QStringLiteral("huge.dwp"));
    {
        QFile file(sparse);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(3) << 30));
    }
    // A project whose track count claims 4,294,967,295 tracks, then 30 MB of zeros.
    const QString claims = dir.filePath(QStringLiteral("claims.dwp"));
    {
        // The version and four empty faces (45 bytes), then the track count.
        QByteArray bytes = ReadWholeFile(Fixture("empty_project.dwp")).left(45);
        ASSERT_EQ(ReadWholeFile(Fixture("empty_project.dwp")).mid(45, 4), QByteArray(4, '\0'));
        bytes += QByteArray(4, '\xff') + QByteArray(30 * 1024 * 1024, '\0');
        WriteTextFile(claims, bytes);
    }
    const QString out = dir.filePath(QStringLiteral("out.dwp"));
    struct Case {
        const char* name;
        std::vector<QByteArray> args;
        QString message;
    };
    const Case cases[] = {
        {"dump a FIFO", {"dump", Native(fifo)}, "pipe.dwp: is a pipe, not a regular file"},
        {"convert from a FIFO",
         {"convert", Native(fifo), Native(out)},
         "pipe.dwp: is a pipe, not a regular file"},
        {"convert onto a FIFO",
         {"convert", Native(project), Native(fifo)},
         "pipe.dwp: cannot write: is a pipe, not a regular file"},
        {"add a FIFO picture",
         {"add-picture", Native(project), Native(fifoJpeg), "--face", "disc", "-o", Native(out)},
         "pipe.jpg: is a pipe, not a regular file"},
        {"import a FIFO playlist",
         {"tracks", "import", Native(fifoM3u)},
         "pipe.m3u: is a pipe, not a regular file"},
        {"dump /dev/zero", {"dump", "/dev/zero"}, "/dev/zero: is a device, not a regular file"},
        {"dump a folder", {"dump", Native(dir.path())}, "is a folder, not a file"},
        {"dump 3 GiB", {"dump", Native(sparse)}, "huge.dwp: the file is larger than 1 GiB"},
        {"dump a track count past the data",
         {"dump", Native(claims)},
         "track count 4294967295 is more than the file can hold"},
    };
    const bool limited = !UnderAddressSanitizer();
    for (const Case& c : cases) {
        RawRun run;
        run.args = c.args;
        run.timeoutMs = 15000;
        if (limited)
            run.wrapper = {"prlimit", "--as=2147483648"};
        const ProcessResult r = RunLumvaneRaw(run, program.Path());
        ExpectOneLineFailure(r, c.message, c.name);
    }
    struct stat st {};
    ASSERT_EQ(::lstat(Native(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_FALSE(QFile::exists(out));
}

// File names are bytes: a name that is not UTF-8 opens, and messages show its
// odd bytes as \xNN.
TEST_F(ReliabilityCli, FileNamesThatAreNotUtf8) {
    const QByteArray folder = Native(dir.path());
    const QByteArray latin1 = folder + "/caf\xe9.dwp";
    ASSERT_TRUE(QFile::copy(Fixture("disc_shapes_text.dwp"),
                            QFile::decodeName(folder) + QStringLiteral("/plain.dwp")));
    ASSERT_EQ(::rename((folder + "/plain.dwp").constData(), latin1.constData()), 0);

    RawRun dump;
    dump.args = {"dump", latin1};
    const ProcessResult shown = RunLumvaneRaw(dump, program.Path());
    EXPECT_EQ(shown.exitCode, 0) << shown.err.constData();
    EXPECT_TRUE(shown.out.contains("\"version\": \"V1.0\""));

    RawRun convert;
    convert.args = {"convert", latin1, folder + "/\xff\xfe.dwp"};
    const ProcessResult converted = RunLumvaneRaw(convert, program.Path());
    EXPECT_EQ(converted.exitCode, 0) << converted.err.constData();
    struct stat st {};
    EXPECT_EQ(::stat((folder + "/\xff\xfe.dwp").constData(), &st), 0) << "written elsewhere";

    RawRun missing;
    missing.args = {"dump", folder + "/na\xefve.dwp"};
    const ProcessResult r = RunLumvaneRaw(missing, program.Path());
    ExpectOneLineFailure(r, QStringLiteral("na\\xefve.dwp: cannot open: No such file or directory"),
                         "missing");
    // QTemporaryDir could not remove names Qt cannot decode.
    ::unlink(latin1.constData());
    ::unlink((folder + "/\xff\xfe.dwp").constData());
}

// A verb that succeeds says nothing on stderr, even where Qt would warn
// (no XDG_RUNTIME_DIR); a wrong command line is one line.
TEST_F(ReliabilityCli, QuietSuccessAndOneLineFailures) {
    RawRun render;
    render.args = {"render", Native(project),
                   "--face", "disc",
                   "-o",     Native(dir.filePath(QStringLiteral("out.png")))};
    render.unset = {"XDG_RUNTIME_DIR"};
    const ProcessResult rendered = RunLumvaneRaw(render, program.Path());
    EXPECT_EQ(rendered.exitCode, 0);
    EXPECT_EQ(rendered.err, QByteArray());

    const ProcessResult unknown = RunLumvane({"frobnicate", "x"}, program.Path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "lumvane: unknown arguments: frobnicate x (try 'lumvane --help')\n");
    const ProcessResult badOption =
        RunLumvane({"render", project, "--face", "disc", "--bogus", "-o", "x.png"}, program.Path());
    EXPECT_EQ(badOption.exitCode, 1);
    EXPECT_EQ(badOption.err.count('\n'), 1) << badOption.err.constData();
    EXPECT_TRUE(badOption.err.startsWith("lumvane: usage: lumvane render"));
}
