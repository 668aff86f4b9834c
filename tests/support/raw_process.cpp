#include "raw_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<QByteArray> Environment(const QString& home, const std::vector<QByteArray>& unset) {
    const QProcessEnvironment env = LumvaneEnvironment(home);
    std::vector<QByteArray> entries;
    for (const QString& key : env.keys()) {
        const QByteArray name = key.toLocal8Bit();
        if (std::find(unset.begin(), unset.end(), name) != unset.end())
            continue;
        entries.push_back(name + '=' + env.value(key).toLocal8Bit());
    }
    return entries;
}

pid_t Spawn(const std::vector<QByteArray>& command, const std::vector<QByteArray>& environment,
            const QByteArray& outPath, const QByteArray& errPath) {
    std::vector<char*> argv;
    for (const QByteArray& a : command)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const QByteArray& e : environment)
        envp.push_back(const_cast<char*>(e.constData()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

ProcessResult RunLumvaneRaw(const RawRun& run, const QString& home) {
    ProcessResult result;
    QTemporaryDir scratch;
    const QByteArray outPath = QFile::encodeName(scratch.filePath(QStringLiteral("out")));
    const QByteArray errPath = QFile::encodeName(scratch.filePath(QStringLiteral("err")));
    std::vector<QByteArray> command = run.wrapper;
    command.push_back(QByteArrayLiteral(LUMVANE_EXECUTABLE));
    command.insert(command.end(), run.args.begin(), run.args.end());
    const pid_t pid = Spawn(command, Environment(home, run.unset), outPath, errPath);
    if (pid < 0)
        return result;
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (clock.elapsed() > run.timeoutMs) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            result.out = ReadWholeFile(QFile::decodeName(outPath));
            result.err = ReadWholeFile(QFile::decodeName(errPath));
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.finished = WIFEXITED(status);
    result.maxRssKb = usage.ru_maxrss;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadWholeFile(QFile::decodeName(outPath));
    result.err = ReadWholeFile(QFile::decodeName(errPath));
    return result;
}

pid_t SpawnLumvane(const std::vector<QByteArray>& args, const QString& home) {
    std::vector<QByteArray> command{QByteArrayLiteral(LUMVANE_EXECUTABLE)};
    command.insert(command.end(), args.begin(), args.end());
    return Spawn(command, Environment(home, {}), "/dev/null", "/dev/null");
}
