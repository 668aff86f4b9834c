#include "metafile/emf_player.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Text records need fonts, and fonts an application object.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_emf_player";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the font caches hang off the application object, and
    // a static one tears down before the leak check and orphans them.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

// Enhanced metafile bytes from anywhere played into a small image: every
// record is checked before it is used, unknown and damaged records skipped.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayEnhMetaFile(painter, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)),
                    QRectF(0, 0, 48, 48));
    return 0;
}
