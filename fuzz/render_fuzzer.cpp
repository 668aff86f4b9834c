#include "document/project_file.h"
#include "imaging/decode_limits.h"
#include "objects/base_object.h"
#include "platform/device_context.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Objects read from files carry any values at all: drawing, hit testing and
// selection frames must cope with every one of them, quickly and without
// allocating in proportion to a coordinate.

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_render";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the font caches hang off the application object, and
    // a static one tears down before the leak check and orphans them.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    // Pictures in projects: a megapixel at most, as in the image fuzzer.
    SetDecodePixelLimit(1'000'000);
    return 0;
}

namespace {
void Exercise(ObjectList& objects) {
    for (float zoom : {0.4f, 2.0f}) {
        RenderContext context;
        context.viewZoom = zoom;
        QImage canvas(120, 120, QImage::Format_RGB32);
        QImage buffer(120, 120, QImage::Format_RGB32);
        CDeviceContext dc(canvas, &context);
        dc.SetMapMode(MapMode::HiMetric);
        CDeviceContext frames(buffer, &context);
        for (auto& object : objects) {
            object->Draw(dc, 0, 0);
            object->DrawTracker(frames, 20, 20, true);
            object->HitTest(100, -100, zoom);
            object->HitTestHandle({30, 30}, zoom, context.canvas);
            object->IntersectsRect({0, 0, 1000, -1000});
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    ObjectList layout;
    if (ReadLayoutBytes(bytes, layout, &error))
        Exercise(layout);
    ProjectContent project;
    if (ReadProjectBytes(bytes, project, &error))
        for (ProjectFace& face : project.faces)
            Exercise(face.objects);
    return 0;
}
