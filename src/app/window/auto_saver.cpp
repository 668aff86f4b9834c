#include "auto_saver.h"

#include "document/discwright_doc.h"
#include "platform/archive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kDefaultIntervalSeconds = 120;

// The write end of the signal pipe; the handler may only do async-signal-safe
// work, so it writes one byte and returns.
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

AutoSaver::AutoSaver(CDiscwrightDoc& doc, const QString& stateFolder, QObject* parent)
    : QObject(parent), m_doc(doc), m_store(stateFolder), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, [this] { SaveNow(); });
    m_timer->start(IntervalMs());
    // Saved, new or opened: the copy has nothing the user could miss.
    connect(&m_doc, &CDiscwrightDoc::ModifiedChanged, this, [this](bool modified) {
        if (!modified) {
            m_store.RemoveOwn();
            m_lastSaved.clear();
        }
    });
}

AutoSaver::~AutoSaver() = default;

int AutoSaver::IntervalMs() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("LUMVANE_AUTOSAVE_SECONDS", &ok);
    return (ok && seconds > 0 ? std::min(seconds, 24 * 3600) : kDefaultIntervalSeconds) * 1000;
}

bool AutoSaver::SaveNow() {
    if (!m_doc.IsModified())
        return true;
    QByteArray bytes;
    try {
        Archive ar(&bytes);
        m_doc.Serialize(ar);
    } catch (const ArchiveError& e) {
        std::fprintf(stderr, "Lumvane: autosave failed: %s\n", qPrintable(e.Text()));
        return false;
    }
    if (bytes == m_lastSaved)
        return true;
    QString error;
    if (!m_store.Write(bytes, m_doc.PathName(), QDateTime::currentDateTime(), &error)) {
        std::fprintf(stderr, "Lumvane: autosave failed: %s\n", qPrintable(error));
        return false;
    }
    m_lastSaved = bytes;
    return true;
}

void AutoSaver::Close() {
    m_timer->stop();
    if (!m_terminating)
        m_store.CloseOwn();
}

void AutoSaver::CatchTerminationSignals() {
    if (g_signalPipe[0] >= 0 || ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_signals = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signals, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        OnTermination();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

void AutoSaver::OnTermination() {
    m_terminating = true;
    m_timer->stop();
    SaveNow();
    Q_EMIT TerminationRequested();
    // Ends every event loop, a dialog's included; nothing asks to save.
    QCoreApplication::exit(0);
}
