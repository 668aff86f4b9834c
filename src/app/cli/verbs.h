#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <span>

struct AppSettings;
class CDiscwrightDoc;
class QCommandLineParser;
class QGuiApplication;

// One headless command of the command line, such as "dump".
struct Verb {
    QString name;
    QString usage;                       // the arguments, as --help shows them
    QString summary;                     // one line
    int (*run)(const QStringList& args); // exit status; messages go to stderr
};

// The verbs, each defined in its own verb_*.cpp file.
extern const Verb kDumpVerb;
extern const Verb kConvertVerb;
extern const Verb kTracksVerb;
extern const Verb kRenderVerb;
extern const Verb kAddPictureVerb;
extern const Verb kPrintVerb;
extern const Verb kExportImagesVerb;
extern const Verb kThumbnailVerb;

// Every verb, in the order --help lists them.
std::span<const Verb> Verbs();

// Writes "lumvane: <message>" and a newline to stderr; returns 1 for convenience.
int ReportFailure(const QString& message);

// Parses one verb's arguments (without the verb's name) with the options the
// caller added to `parser`. An unknown option or one without its value
// reports `usage` and returns false.
bool ParseVerbArguments(QCommandLineParser& parser, const QStringList& args, const QString& usage);

// Makes `gui` a GUI application (fonts and painting need one) unless the
// process has an application already; without a display it draws offscreen.
void EnsureGuiApplication(std::unique_ptr<QGuiApplication>& gui);

// The settings file of the program folder, loaded.
AppSettings ProgramSettings();
// The face a --face value names (disc, front, inside or back), or -1 after
// reporting the unknown name.
int FaceArgument(const QString& name);

// Prints project `input` headless with the settings' defaults: to the PDF
// file `pdfPath`, or else to the CUPS queue `printer`; `choose` may change
// the records' choices (kinds, labels) first. A disc on a disc-tray stock
// goes to the queue's tray as a job of its own, `copies` discs; the other
// kinds follow as a second job on paper. Exit status; messages on stderr.
int PrintProject(const QString& input, const QString& pdfPath, const QString& printer,
                 const std::function<bool(CDiscwrightDoc&, QString*)>& choose = {}, int copies = 1);
