#include "platform/atomic_file.h"
#include "platform/file_reading.h"
#include "platform/ini_document.h"
#include "platform/message_text.h"
#include "platform/native_path.h"
#include "support/small_filesystem.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Pattern(qsizetype size, char seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(seed + i % 251);
    return bytes;
}

} // namespace

TEST(NativePath, NamesThatAreNotUtf8SurviveTheRoundTrip) {
    const QByteArray cases[] = {
        "plain.dwp",
        "caf\xc3\xa9.dwp",       // valid UTF-8
        "caf\xe9.dwp",           // Latin-1
        "\xff\xfe\x80 \xc3",     // stray bytes, a cut sequence at the end
        "\xed\xa0\x80 \xc0\xaf", // an encoded surrogate, an overlong slash
        "\xf0\x9f\x8e\xb5 note", // outside the BMP
        "\xf4\x90\x80\x80 past U+10FFFF",
    };
    for (const QByteArray& bytes : cases) {
        const QString path = PathFromNative(bytes);
        EXPECT_EQ(NativePath(path), bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(PathFromNative("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(DisplayPath(PathFromNative("caf\xe9.dwp")), QStringLiteral("caf\\xe9.dwp"));
    EXPECT_EQ(DisplayPath(QStringLiteral("a\nb\x1b")), QStringLiteral("a\\x0ab\\x1b"));
}

TEST(NativePath, AFileWithSuchANameIsReadAndWritten) {
    QTemporaryDir dir;
    const QString path = dir.path() + PathFromNative("/caf\xe9.dwp");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(path, "bytes", &error)) << error.toStdString();
    EXPECT_EQ(::access((QFile::encodeName(dir.path()) + "/caf\xe9.dwp").constData(), F_OK), 0);
    QByteArray read;
    ASSERT_TRUE(ReadFileBounded(path, 100, &read, &error)) << error.toStdString();
    EXPECT_EQ(read, "bytes");
}

TEST(MessageText, ServerTextIsQuotedAsOnePrintableLine) {
    struct Case {
        QString text;
        QString quoted;
    };
    const Case cases[] = {
        {"500 Command syntax error\r\n", "500 Command syntax error"},
        {"a\r\n\r\nb\tc", "a b c"},
        {QStringLiteral("\x1b]0;title\x07\x1b[2J"), "\\x1b]0;title\\x07\\x1b[2J"},
        {QString::fromUtf8("nul\0after", 9), "nul\\x00after"},
        {QStringLiteral("\u0085\u202eevil"), "\\x85\\u202eevil"},
        {QStringLiteral("Tw\u00f6 \U0001F3B5"), QStringLiteral("Tw\u00f6 \U0001F3B5")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuotedForMessage(c.text), c.quoted) << c.text.toStdString();

    const QString cut = QuotedForMessage(QString(1000, u'x'));
    EXPECT_EQ(cut.size(), 300);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
    EXPECT_EQ(QuotedForMessage(QString(300, u'x')), QString(300, u'x'));
    const QString escapes = QuotedForMessage(QString(200, QChar(0x1b)));
    EXPECT_LE(escapes.size(), 300);
    EXPECT_TRUE(escapes.startsWith(QStringLiteral("\\x1b\\x1b")));
}

// Inputs that are not regular files are refused before a byte is read: a
// FIFO would block forever, a device never ends, a huge file is not read.
TEST(FileReading, OnlyRegularFilesOfBoundedSize) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString sparse = dir.filePath(QStringLiteral("sparse"));
    {
        QFile file(sparse);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(3) << 30)); // 3 GiB without using the disk
    }
    WriteTextFile(dir.filePath(QStringLiteral("small")), "0123456789");
    struct Case {
        QString path;
        qint64 limit;
        const char* message; // in the error
    };
    const Case cases[] = {
        {fifo, kProjectFileLimit, "pipe: is a pipe, not a regular file"},
        {QStringLiteral("/dev/zero"), kProjectFileLimit,
         "/dev/zero: is a device, not a regular file"},
        {dir.path(), kProjectFileLimit, ": is a folder, not a file"},
        {sparse, kProjectFileLimit, "sparse: the file is larger than 1 GiB"},
        {dir.filePath(QStringLiteral("small")), 9, "small: the file is larger than 9 bytes"},
        {dir.filePath(QStringLiteral("missing")), 10,
         "missing: cannot open: No such file or directory"},
    };
    for (const Case& c : cases) {
        QByteArray bytes;
        QString error;
        EXPECT_FALSE(ReadFileBounded(c.path, c.limit, &bytes, &error)) << c.message;
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_TRUE(bytes.isEmpty());
    }
    QByteArray bytes;
    QString error;
    EXPECT_TRUE(ReadFileBounded(dir.filePath(QStringLiteral("small")), 10, &bytes, &error));
    EXPECT_EQ(bytes, "0123456789");
}

// Targets the writer must not replace, and links it must write through.
TEST(AtomicFile, SpecialTargets) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QString error;

    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(fifo, "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("pipe: cannot write: is a pipe, not a regular file")))
        << error.toStdString();
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";

    EXPECT_FALSE(WriteFileAtomically(dir.path(), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("is a folder"))) << error.toStdString();

    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("no/such/out")), "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("cannot write: No such file or directory")))
        << error.toStdString();

    // A dangling link: the file it names is created, the link stays.
    ASSERT_EQ(::symlink("made.dwp", (folder + "/dangling").constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("dangling")), "new", &error))
        << error.toStdString();
    EXPECT_EQ(ReadWholeFile(dir.filePath(QStringLiteral("made.dwp"))), "new");
    ASSERT_EQ(::lstat((folder + "/dangling").constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // A link to a file: the file is replaced and keeps its permissions.
    const QString real = dir.filePath(QStringLiteral("real.dwp"));
    WriteTextFile(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_EQ(::symlink("real.dwp", (folder + "/link").constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("link")), "replaced", &error));
    EXPECT_EQ(ReadWholeFile(real), "replaced");
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ASSERT_EQ(::lstat((folder + "/link").constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // A link loop.
    ASSERT_EQ(::symlink("loop", (folder + "/loop").constData()), 0);
    EXPECT_FALSE(WriteFileAtomically(dir.filePath(QStringLiteral("loop")), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Too many levels of symbolic links")))
        << error.toStdString();
}

TEST(AtomicFile, ReadOnlyFilesystemKeepsTheOldFile) {
    SmallFilesystem fs(64 * 1024, true);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    QString error;
    EXPECT_FALSE(WriteFileAtomically(fs.File(QStringLiteral("out.dwp")), "x", &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("cannot write: Read-only file system")))
        << error.toStdString();
}

// A full disk: with nothing or a few KiB free, every size of file fails with
// the system's reason, the old file stays byte for byte and no temporary
// file is left behind; with room enough the write succeeds.
TEST(AtomicFile, FullDiskNeverReplacesTheOldFile) {
    SmallFilesystem fs(256 * 1024);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    const QString target = fs.File(QStringLiteral("project.dwp"));
    const QByteArray old = Pattern(9926, 'o');
    WriteTextFile(target, old);
    struct Case {
        qint64 freeBytes;
        qsizetype size;
    };
    const Case cases[] = {{0, 1}, {0, 388}, {0, 16346}, {0, 100000}, {8192, 9926}, {8192, 20000}};
    for (const Case& c : cases) {
        fs.Fill(c.freeBytes);
        QString error;
        EXPECT_FALSE(WriteFileAtomically(target, Pattern(c.size, 'n'), &error))
            << c.freeBytes << " free, " << c.size << " bytes";
        EXPECT_TRUE(
            error.endsWith(QStringLiteral("project.dwp: cannot write: No space left on device")))
            << error.toStdString();
        EXPECT_EQ(ReadWholeFile(target), old);
        EXPECT_EQ(fs.Entries(), QStringList{QStringLiteral("project.dwp")});
        QFile::remove(fs.File(QStringLiteral(".filler")));
    }
    QString error;
    ASSERT_TRUE(WriteFileAtomically(target, Pattern(20000, 'n'), &error)) << error.toStdString();
    EXPECT_EQ(ReadWholeFile(target), Pattern(20000, 'n'));
}

TEST(AtomicFile, LeftoversOfKilledWritersGoWithTheNextSave) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("p.dwp"));
    WriteTextFile(dir.filePath(QStringLiteral(".p.dwp.lumvane-dead1")), "half");
    WriteTextFile(dir.filePath(QStringLiteral(".other.dwp.lumvane-x")), "another target's");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(target, "whole", &error));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{QStringLiteral(".other.dwp.lumvane-x"), QStringLiteral("p.dwp")}));
}

TEST(IniDocumentSave, FullDiskReportsAndKeepsTheOldFile) {
    SmallFilesystem fs(64 * 1024);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    const QString path = fs.File(QStringLiteral("lumvanesetup.ini"));
    WriteTextFile(path, "[General]\r\nUser=old\r\n");
    IniDocument ini = IniDocument::Load(path);
    ini.SetValue(u"General", u"User", QStringLiteral("new"));
    fs.Fill(0);
    QString error;
    EXPECT_FALSE(ini.Save(path, &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("No space left on device"))) << error.toStdString();
    EXPECT_EQ(ReadWholeFile(path), "[General]\r\nUser=old\r\n");
}
