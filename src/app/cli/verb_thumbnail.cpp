// lumvane thumbnail IN.dwp OUT.png SIZE: the preview file managers show for a
// project (the front cover, or the disc when the front is empty), fitted into
// SIZE x SIZE pixels. File managers run it on whatever lands in a download
// folder, so it sets its own limits on time and memory before reading a byte.

#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/face_preview.h"
#include "platform/atomic_file.h"
#include "platform/native_path.h"
#include "platform/sanitizer_build.h"

#include <QBuffer>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>
#include <new>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kMaxSize = 2048;
constexpr rlim_t kCpuSeconds = 5;
constexpr unsigned kWallSeconds = 10;
constexpr rlim_t kAddressSpace = rlim_t(512) << 20;

// The handler may only write and exit, so its line is prepared beforehand.
char g_timeoutLine[512];
size_t g_timeoutLength = 0;

extern "C" void OnTimeLimit(int) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, g_timeoutLine, g_timeoutLength);
    ::_exit(1);
}

// Lowers a limit, never raises one the caller set lower already.
void LowerLimit(int resource, rlim_t soft, rlim_t hard) {
    rlimit current{};
    if (::getrlimit(resource, &current) != 0)
        return;
    rlimit wanted{std::min(soft, current.rlim_cur), std::min(hard, current.rlim_max)};
    ::setrlimit(resource, &wanted);
}

// A few seconds of processor time (SIGXCPU) and of wall-clock time (SIGALRM,
// for a process that waits rather than computes, such as a thread that could
// not start) end the run with one line and status 1. The address-space limit
// turns a picture too large for a preview into a failed allocation, which the
// readers report; sanitizers reserve terabytes of shadow memory, so their
// builds go without it.
void ApplyLimits(const QString& input) {
    const QByteArray line =
        QStringLiteral("lumvane: %1: the preview took too long\n").arg(DisplayPath(input)).toUtf8();
    g_timeoutLength = std::min(size_t(line.size()), sizeof g_timeoutLine - 1);
    std::memcpy(g_timeoutLine, line.constData(), g_timeoutLength);
    g_timeoutLine[g_timeoutLength - 1] = '\n';

    struct sigaction action {};
    action.sa_handler = OnTimeLimit;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXCPU, &action, nullptr);
    ::sigaction(SIGALRM, &action, nullptr);
    LowerLimit(RLIMIT_CPU, kCpuSeconds, kCpuSeconds + 1);
    ::alarm(kWallSeconds);
    if (!UnderAddressSanitizer())
        LowerLimit(RLIMIT_AS, kAddressSpace, kAddressSpace);
}

int Thumbnail(const QString& input, const QString& output, int size) {
    const std::unique_ptr<CDiscwrightDoc> opened = OpenVerbProject(input);
    if (!opened)
        return 1;
    CDiscwrightDoc& doc = *opened;
    QString error;

    int faceId = PreviewFaceOf(doc);
    QImage preview = RenderFacePreview(doc, faceId, size);
    if (preview.isNull() && faceId != kDiscFace)
        preview = RenderFacePreview(doc, kDiscFace, size);
    if (preview.isNull())
        return ReportFailure(
            QStringLiteral("%1: the project's faces have no size (its label stocks could not be "
                           "read)")
                .arg(input));

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !preview.save(&buffer, "PNG"))
        return ReportFailure(QStringLiteral("%1: the image cannot be encoded").arg(output));
    if (!WriteFileAtomically(output, png, &error))
        return ReportFailure(error);
    return 0;
}

int RunThumbnail(const QStringList& args) {
    const QString usage = QStringLiteral("usage: lumvane thumbnail IN.dwp OUT.png SIZE");
    if (args.size() != 3 || args[0].isEmpty() || args[1].isEmpty())
        return ReportFailure(usage);
    bool ok = false;
    const int size = args[2].toInt(&ok);
    if (!ok || size < 1 || size > kMaxSize)
        return ReportFailure(QStringLiteral("SIZE wants a whole number of pixels from 1 to %1, "
                                            "not \"%2\"")
                                 .arg(kMaxSize)
                                 .arg(args[2]));
    ApplyLimits(args[0]);
    try {
        return Thumbnail(args[0], args[1], size);
    } catch (const std::bad_alloc&) {
        return ReportFailure(QStringLiteral("%1: not enough memory for a preview (limit %2 MiB)")
                                 .arg(args[0])
                                 .arg(kAddressSpace >> 20));
    }
}

} // namespace

extern const Verb kThumbnailVerb;
const Verb kThumbnailVerb = {QStringLiteral("thumbnail"),
                             QStringLiteral("thumbnail IN.dwp OUT.png SIZE"),
                             QStringLiteral("write a project's preview for file managers: the "
                                            "front cover (or the disc when the front is empty) "
                                            "fitted into SIZE x SIZE pixels"),
                             RunThumbnail};
