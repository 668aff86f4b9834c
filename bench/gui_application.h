#pragma once

#include <QGuiApplication>

#include <memory>

// Benchmarks that lay out text or write PDFs need a GUI application object
// (fonts come from Qt's font database); one is made offscreen on first use and
// kept for the life of the process.
inline void EnsureGuiApplication() {
    static std::unique_ptr<QGuiApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}
