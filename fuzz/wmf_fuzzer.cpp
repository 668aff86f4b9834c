#include "metafile/emf_player.h"
#include "metafile/metafile.h"

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
    static char name[] = "fuzz_wmf";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the font caches hang off the application object, and
    // a static one tears down before the leak check and orphans them.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    return 0;
}

// A .wmf file from anywhere: reading, the embedded original and conversion
// end in an enhanced metafile or an error, never trusting a size; what
// converts must read back as an enhanced metafile and play into a small image.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    WindowsMetafile wmf;
    if (!ReadWindowsMetafile(bytes, &wmf, nullptr))
        return 0;
    // An enhanced original carried in escape records must be whole and sound.
    QByteArray embedded, embeddedAgain;
    if (EmbeddedEnhancedMetafile(wmf, &embedded) &&
        (!ReadEnhancedMetafile(embedded, &embeddedAgain, nullptr, nullptr) ||
         embeddedAgain != embedded))
        __builtin_trap();
    QByteArray emf;
    if (!ConvertWindowsMetafile(wmf, &emf, nullptr))
        return 0;
    QByteArray again;
    if (!ReadEnhancedMetafile(emf, &again, nullptr, nullptr) || again != emf)
        __builtin_trap();
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayEnhMetaFile(painter, emf, QRectF(0, 0, 32, 32));
    return 0;
}
