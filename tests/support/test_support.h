#pragma once

#include "document/discwright_doc.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <utility>
#include <vector>

// Helpers shared by the tests.

// Writes `text` to `path`, creating folders; fails the test on error.
void WriteTextFile(const QString& path, const QByteArray& text);
QByteArray ReadWholeFile(const QString& path);

// A document's settings with the three default label stocks (disc, front and
// inside, back) of the program folder `folder`, and every face printed.
DocumentSettings DefaultStocksIn(const QString& folder);

// A temporary program folder with the shipped data (label stocks, ...) copied
// in, for code that reads the program's own files.
class TempProgramFolder {
public:
    TempProgramFolder();
    QString Path() const { return m_dir.path(); }
    QString File(const QString& relative) const { return m_dir.filePath(relative); }
    // DefaultStocksIn this folder.
    DocumentSettings DefaultStocks() const { return DefaultStocksIn(Path()); }

private:
    QTemporaryDir m_dir;
};

// Sets (or, for a null value, unsets) environment variables for its life
// and puts back what was there before.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, QString>> values);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    struct Old {
        const char* name;
        bool set;
        QByteArray value;
    };
    std::vector<Old> m_old;
};

// The real executable, run with LUMVANE_HOME = `home`, offscreen drawing and
// a user profile of its own under `home`.
struct ProcessResult {
    int exitCode = -1;
    bool finished = false;
    QByteArray out;
    QByteArray err;
    long maxRssKb = 0; // peak resident memory (RunLumvaneRaw only)
};
ProcessResult RunLumvane(const QStringList& args, const QString& home, int timeoutMs = 30000);
QProcessEnvironment LumvaneEnvironment(const QString& home);
