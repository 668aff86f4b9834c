#include "command_line.h"

#include "verbs.h"

#include "platform/native_path.h"

#include <QTextStream>

#include <cstdio>
#include <new>

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// Qt's own chatter (a missing XDG_RUNTIME_DIR, font fallbacks, ...) is not
// the verb's business: a verb that succeeds prints nothing on stderr and one
// that fails prints its one line. LUMVANE_DEBUG=1 lets the chatter through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumvane: %s\n", DisplayPath(message).toUtf8().constData());
}

int RunVerb(const Verb& verb, const QStringList& args) {
    if (!qEnvironmentVariableIsSet("LUMVANE_DEBUG"))
        qInstallMessageHandler(QuietQtMessages);
    try {
        return verb.run(args);
    } catch (const std::bad_alloc&) {
        // The readers turn a failed allocation into the file's own message;
        // this is the last line of defence, never an abort.
        return ReportFailure(QStringLiteral("%1: not enough memory").arg(verb.name));
    }
}

} // namespace

QString UsageText() {
    QString text =
        QStringLiteral("Usage: lumvane [FILE.dwp]\n"
                       "       lumvane --new\n"
                       "       lumvane --help | --version\n"
                       "       lumvane --print FILE.dwp | --print-to FILE.dwp PRINTER\n"
                       "       lumvane VERB ARGUMENTS...\n\n"
                       "Without a verb, opens the window on a new project or on FILE.dwp;\n"
                       "with Lumvane already running, its window does so.\n\n"
                       "Verbs (run without a display):\n");
    for (const Verb& verb : Verbs())
        text += QStringLiteral("  lumvane %1\n      %2\n").arg(verb.usage, verb.summary);
    return text;
}

CommandLine RunCommandLine(const QStringList& args) {
    CommandLine result;
    if (args.isEmpty())
        return result;
    const QString& first = args.front();
    if (first == u"--help" || first == u"-h") {
        Print(stdout, UsageText());
        result.headlessResult = 0;
        return result;
    }
    if (first == u"--version") {
        Print(stdout, QStringLiteral("Lumvane %1\n").arg(QStringLiteral(LUMVANE_VERSION)));
        result.headlessResult = 0;
        return result;
    }
    if (first == u"--new" && args.size() == 1) {
        result.newProject = true;
        return result;
    }
    if (first == u"--print" || first == u"--print-to") {
        const bool to = first == u"--print-to";
        if (args.size() != (to ? 3 : 2)) {
            Print(stderr, to ? QStringLiteral("usage: lumvane --print-to FILE.dwp PRINTER\n")
                             : QStringLiteral("usage: lumvane --print FILE.dwp\n"));
            result.headlessResult = 2;
            return result;
        }
        result.printDirectly = true;
        result.fileToOpen = args[1];
        result.printer = to ? args[2] : QString();
        return result;
    }
    for (const Verb& verb : Verbs()) {
        if (first == verb.name) {
            result.headlessResult = RunVerb(verb, args.mid(1));
            return result;
        }
    }
    if (first.startsWith(u'-') || args.size() > 1) {
        // One line, as every failure of the command line.
        Print(stderr, QStringLiteral("lumvane: unknown arguments: %1 (try 'lumvane --help')\n")
                          .arg(DisplayPath(args.join(u' '))));
        result.headlessResult = 2;
        return result;
    }
    result.fileToOpen = first;
    return result;
}
