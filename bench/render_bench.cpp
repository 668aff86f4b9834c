// Speed of the editing view's two drawing stages: refreshing the face canvas
// of a crowded face, and composing one frame with selection frames.

#include "document/discwright_doc.h"
#include "document/face_renderer.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "view/discwright_view.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

DocumentSettings ShippedStocks() {
    const QString stocks = QStringLiteral(LUMVANE_SOURCE_DATA) + QStringLiteral("/label stock/");
    return {stocks + QStringLiteral("disc/plain paper(A4).ini"),
            stocks + QStringLiteral("front inside/Plain Paper (A4).ini"),
            stocks + QStringLiteral("back/Plain Paper(A4).ini")};
}

// 1,000 objects on the 120 x 120 mm front face: shapes of all four kinds and
// texts, in a fixed pseudo-random layout; the first `selected` are selected.
void Populate(Face& face, int selected) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> pos(0, 10000), size(300, 3000), colour(0, 0xFFFFFF);
    for (int i = 0; i < 1000; ++i) {
        const int x = pos(random), y = -pos(random);
        const int w = size(random), h = size(random);
        std::unique_ptr<CBaseObject> object;
        if (i % 5 == 4) {
            auto text = std::make_unique<CText>(x, y, x + w, y - h, 0x000000,
                                                QStringLiteral("Track %1 <albumtitle>").arg(i),
                                                UnitConversion{});
            object = std::move(text);
        } else {
            auto shape = std::make_unique<CShape>(x, y, x + w, y - h, i % 4,
                                                  static_cast<quint32>(colour(random)), 0);
            object = std::move(shape);
        }
        object->m_selected = i < selected ? 1 : 0;
        face.AppendObject(std::move(object));
    }
    face.RebuildSelection();
}

void BM_RefreshFaceCanvas(benchmark::State& state) {
    CDiscwrightDoc doc(ShippedStocks());
    doc.SetActiveFace(kFrontFace);
    Populate(doc.ActiveFace(), 0);
    const RenderContext context = MakeRenderContext(doc, static_cast<float>(state.range(0)) / 10);
    QImage canvas;
    for (auto _ : state) {
        RefreshFaceCanvas(canvas, doc.ActiveFace(), context);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_RefreshFaceCanvas)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ComposeFrame(benchmark::State& state) {
    CDiscwrightDoc doc(ShippedStocks());
    doc.SetActiveFace(kFrontFace);
    Populate(doc.ActiveFace(), 20);
    CDiscwrightView view(doc);
    view.resize(1280, 1024);
    // Zoom 2.0 is five steps in from 1.0.
    for (int i = 0; state.range(0) == 20 && i < 5; ++i)
        view.OnCommand(CommandId::kZoomIn);
    view.RecalcLayout();
    view.RefreshFaceCanvas();
    for (auto _ : state) {
        view.ComposeFrame();
        benchmark::DoNotOptimize(view.BackBuffer().constBits());
    }
    state.counters["zoom"] = view.Zoom();
}
BENCHMARK(BM_ComposeFrame)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Refreshing the canvas after a drag moved one shape 5 mm, at zoom 1.0 to 2.0:
// only the pixels the shape covered before and after are drawn again.
void BM_RefreshAfterMove(benchmark::State& state) {
    CDiscwrightDoc doc(ShippedStocks());
    doc.SetActiveFace(kFrontFace);
    Face& face = doc.ActiveFace();
    Populate(face, 0);
    const RenderContext context = MakeRenderContext(doc, static_cast<float>(state.range(0)) / 10);
    QImage canvas;
    RefreshFaceCanvas(canvas, face, context);
    CBaseObject& moved = *face.Objects()[500];
    int step = 500;
    for (auto _ : state) {
        const QRect before(moved.m_x, moved.m_y, moved.m_width, moved.m_height);
        moved.m_x += step;
        step = -step;
        const QRect after(moved.m_x, moved.m_y, moved.m_width, moved.m_height);
        const QRect dirty = ObjectPaintBounds(moved, before, context.viewZoom, context.canvas) |
                            ObjectPaintBounds(moved, after, context.viewZoom, context.canvas);
        RefreshFaceCanvasRegion(canvas, face, context, dirty);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_RefreshAfterMove)->Arg(10)->Arg(14)->Arg(20)->Unit(benchmark::kMillisecond);
