#include "command_line.h"

#include "verbs.h"

#include <QTextStream>

#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

QString UsageText() {
    QString text =
        QStringLiteral("Usage: lumvane [FILE.dwp]\n"
                       "       lumvane --help | --version\n"
                       "       lumvane --print FILE.dwp | --print-to FILE.dwp PRINTER\n"
                       "       lumvane VERB ARGUMENTS...\n\n"
                       "Without a verb, opens the window on a new project or on FILE.dwp.\n\n"
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
            result.headlessResult = verb.run(args.mid(1));
            return result;
        }
    }
    if (first.startsWith(u'-') || args.size() > 1) {
        Print(stderr, QStringLiteral("lumvane: unknown arguments: %1\nTry 'lumvane --help'.\n")
                          .arg(args.join(u' ')));
        result.headlessResult = 2;
        return result;
    }
    result.fileToOpen = first;
    return result;
}
