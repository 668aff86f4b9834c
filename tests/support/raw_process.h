#pragma once

#include "platform/sanitizer_build.h"

#include "support/test_support.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <vector>

// The real executable started with arguments as raw bytes (file names that
// are not UTF-8 reach it unchanged, which QProcess cannot do), optionally
// under a wrapper such as {"prlimit", "--as=..."}. The environment is
// LumvaneEnvironment(home) without the variables named in `unset`.
struct RawRun {
    std::vector<QByteArray> args;
    std::vector<QByteArray> wrapper;
    std::vector<QByteArray> unset;
    int timeoutMs = 30000;
};
ProcessResult RunLumvaneRaw(const RawRun& run, const QString& home);

// Starts the executable without waiting; output goes nowhere. For tests that
// kill it part-way.
pid_t SpawnLumvane(const std::vector<QByteArray>& args, const QString& home);
