// Speed of mouse editing in the real editing view, driven by synthetic mouse
// events: one frame of dragging 20 selected objects on a face of 500 (the
// move and the composed frame painting shows), the release that ends the
// drag (undo checkpoint and face canvas, also with a 12-megapixel photo on
// every face), switching faces and zooming.

#include "document/discwright_doc.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "synthetic_photo.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

namespace {

constexpr int kObjects = 500;
constexpr int kSelected = 20;

DocumentSettings ShippedStocks() {
    const QString stocks = QStringLiteral(LUMVANE_SOURCE_DATA) + QStringLiteral("/label stock/");
    return {stocks + QStringLiteral("disc/plain paper(A4).ini"),
            stocks + QStringLiteral("front inside/Plain Paper (A4).ini"),
            stocks + QStringLiteral("back/Plain Paper(A4).ini")};
}

// Shapes of all four kinds and texts in a fixed pseudo-random layout on the
// 120 x 120 mm front face; the first 20 are selected, the first one a
// rectangle in the face's middle that the mouse grabs.
void Populate(Face& face) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> pos(0, 10000), size(300, 3000), colour(0, 0xFFFFFF);
    for (int i = 0; i < kObjects; ++i) {
        int x = pos(random), y = -pos(random);
        int w = size(random), h = size(random);
        if (i == 0) {
            x = 5000, y = -5000, w = 2000, h = 2000;
        }
        std::unique_ptr<CBaseObject> object;
        if (i % 5 == 4)
            object = std::make_unique<CText>(x, y, x + w, y - h, 0x000000,
                                             QStringLiteral("Track %1 <albumtitle>").arg(i),
                                             UnitConversion{});
        else
            object = std::make_unique<CShape>(x, y, x + w, y - h, i % 4,
                                              static_cast<quint32>(colour(random)), 0);
        object->SetSelected(i < kSelected ? 1 : 0);
        face.AppendObject(std::move(object));
    }
    face.RebuildSelection();
}

// A view of 1000 x 800 pixels on the populated front face.
struct Bench {
    CDiscwrightDoc doc{ShippedStocks()};
    CDiscwrightView view{doc};
    QPoint grab; // client point over the first object

    explicit Bench(bool photos = false) {
        doc.GetFace(kFrontFace).SetBackgroundColour(0xE0F0FF);
        if (photos)
            for (int face = 0; face < 4; ++face) {
                // Face-sized, under everything else.
                auto photo = std::make_unique<CImage>(0, 0, 12000, -12000);
                if (!photo->LoadFile(SyntheticPhotoFile()))
                    std::abort();
                doc.GetFace(face).AppendObject(std::move(photo));
            }
        Populate(doc.GetFace(kFrontFace));
        view.resize(1000, 800);
        view.ShowFace(kFrontFace);
        view.RecalcLayout();
        view.RefreshFaceCanvas();
        view.ComposeFrame();
        doc.ResetHistory();
        grab = view.FaceToWindow({6000, -6000});
    }
    void Send(QEvent::Type type, QPoint client, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(client), QPointF(client), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    // Hovers over the grabbed object, so that the press keeps the selection.
    void StartDrag() {
        Send(QEvent::MouseMove, grab + QPoint(1, 1), Qt::NoButton, Qt::NoButton);
        Send(QEvent::MouseMove, grab, Qt::NoButton, Qt::NoButton);
        Send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    }
    void DragTo(QPoint client) { Send(QEvent::MouseMove, client, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint client) {
        Send(QEvent::MouseButtonRelease, client, Qt::LeftButton, Qt::NoButton);
    }
};

void BM_DragFrame(benchmark::State& state) {
    Bench b;
    b.StartDrag();
    if (b.view.DragMode() != 10)
        state.SkipWithError("the press did not start moving the selection");
    int step = 0;
    for (auto _ : state) {
        // Back and forth over 40 pixels, a new point every frame.
        const int offset = (step++ % 80) - 40;
        b.DragTo(b.grab + QPoint(offset < 0 ? -offset : offset, 3));
        b.view.ComposeFrame();
        benchmark::DoNotOptimize(b.view.BackBuffer().constBits());
    }
    b.Release(b.grab + QPoint(5, 5));
}
BENCHMARK(BM_DragFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// range(0): 1 with a 12-megapixel photo under the objects of every face.
void BM_DragRelease(benchmark::State& state) {
    Bench b(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.StartDrag();
        // Right and back again, so the objects stay under the grabbed point.
        const QPoint to = b.grab + QPoint(step++ % 2 == 0 ? 10 : -10, 4);
        b.DragTo(to);
        state.ResumeTiming();
        b.Release(to);
        benchmark::DoNotOptimize(b.view.FaceCanvas().constBits());
    }
    if (b.doc.UndoCount() < 2)
        state.SkipWithError("the releases recorded no undo step");
}
BENCHMARK(BM_DragRelease)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SwitchFace(benchmark::State& state) {
    Bench b;
    int step = 0;
    for (auto _ : state) {
        b.view.ShowFace(step++ % 2 == 0 ? kBackFace : kFrontFace);
        b.view.ComposeFrame();
        benchmark::DoNotOptimize(b.view.BackBuffer().constBits());
    }
}
BENCHMARK(BM_SwitchFace)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Zoom(benchmark::State& state) {
    Bench b;
    int step = 0;
    for (auto _ : state) {
        if (step++ % 2 == 0)
            b.view.ZoomIn();
        else
            b.view.ZoomOut();
        b.view.ComposeFrame();
        benchmark::DoNotOptimize(b.view.BackBuffer().constBits());
    }
}
BENCHMARK(BM_Zoom)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
