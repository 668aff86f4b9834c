#include "test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

void WriteTextFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TempProgramFolder::TempProgramFolder() {
    const QString source = QStringLiteral(LUMVANE_SOURCE_DATA);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = m_dir.filePath(QDir(source).relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(from, to);
    }
}

ScopedEnvironment::ScopedEnvironment(
    std::initializer_list<std::pair<const char*, QString>> values) {
    for (const auto& [name, value] : values) {
        m_old.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = m_old.rbegin(); it != m_old.rend(); ++it) {
        if (it->set)
            qputenv(it->name, it->value);
        else
            qunsetenv(it->name);
    }
}

DocumentSettings DefaultStocksIn(const QString& folder) {
    const QString stocks = folder + QStringLiteral("/label stock/");
    DocumentSettings s;
    s.discStockPath = stocks + QStringLiteral("disc/plain paper(A4).ini");
    s.frontStockPath = stocks + QStringLiteral("front inside/Plain Paper (A4).ini");
    s.backStockPath = stocks + QStringLiteral("back/Plain Paper(A4).ini");
    return s;
}

QProcessEnvironment LumvaneEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMVANE_HOME"), home);
    // Recent files, bar layout and tips go to a profile of the test's own.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/profile"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

ProcessResult RunLumvane(const QStringList& args, const QString& home, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(LumvaneEnvironment(home));
    process.start(QStringLiteral(LUMVANE_EXECUTABLE), args);
    ProcessResult result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished)
        process.kill(), process.waitForFinished();
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
