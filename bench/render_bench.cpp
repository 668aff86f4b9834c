// Speed of the editing view's two drawing stages: refreshing the face canvas
// of a crowded face, and composing one frame with selection frames.

#include "app/property_bar/property_bar.h"
#include "app/property_bar/shape_panel.h"
#include "document/discwright_doc.h"
#include "document/face_renderer.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "toolkit/colour_button.h"
#include "view/arrange_commands.h"
#include "view/discwright_view.h"
#include "view/face_selection.h"

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
        object->SetSelected(i < selected ? 1 : 0);
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
        const QRect before(moved.X(), moved.Y(), moved.Width(), moved.Height());
        moved.SetX(moved.X() + step);
        step = -step;
        const QRect after(moved.X(), moved.Y(), moved.Width(), moved.Height());
        const QRect dirty = ObjectPaintBounds(moved, before, context.viewZoom, context.canvas) |
                            ObjectPaintBounds(moved, after, context.viewZoom, context.canvas);
        RefreshFaceCanvasRegion(canvas, face, context, dirty);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_RefreshAfterMove)->Arg(10)->Arg(14)->Arg(20)->Unit(benchmark::kMillisecond);

namespace {

// A view at zoom 2.0 on the crowded front face, its canvas drawn, with shape
// number 500 selected alone: what the edits below start from.
struct CrowdedView {
    CDiscwrightDoc doc{ShippedStocks()};
    std::unique_ptr<CDiscwrightView> view;
    CBaseObject* shape = nullptr;

    CrowdedView() {
        doc.SetActiveFace(kFrontFace);
        Populate(doc.ActiveFace(), 0);
        view = std::make_unique<CDiscwrightView>(doc);
        view->resize(1280, 1024);
        for (int i = 0; i < 5; ++i)
            view->OnCommand(CommandId::kZoomIn);
        view->RecalcLayout();
        view->RefreshFaceCanvas();
        shape = doc.ActiveFace().Objects()[500].get();
        SelectObject(*view, shape);
        doc.ResetHistory();
    }
};

// One change in the property bar (the shape's fill colour) as the user makes
// it: the edit, its undo step, and drawing again what the shape covers.
void BM_PropertyBarChange(benchmark::State& state) {
    CrowdedView crowded;
    CPropertyBar bar(*crowded.view);
    bar.ShowProperties(crowded.shape);
    bool red = true;
    for (auto _ : state) {
        bar.m_shapePanel->m_fill->PickColour(red ? QColor(200, 0, 0) : QColor(0, 0, 200));
        red = !red;
        benchmark::DoNotOptimize(crowded.view->FaceCanvas().constBits());
    }
    state.counters["zoom"] = crowded.view->Zoom();
}
BENCHMARK(BM_PropertyBarChange)->Unit(benchmark::kMillisecond);

// One arrange command (centre horizontally, then vertically, alternating).
void BM_ArrangeCommand(benchmark::State& state) {
    CrowdedView crowded;
    bool horizontal = true;
    for (auto _ : state) {
        // Moved away first, outside the measurement, so each centring moves it.
        state.PauseTiming();
        {
            auto edit = crowded.doc.Edit();
            edit.MoveTo(*crowded.shape, 1000, -1000);
        }
        state.ResumeTiming();
        Centre(*crowded.view, horizontal ? CentreAxis::kHorizontal : CentreAxis::kVertical);
        horizontal = !horizontal;
        benchmark::DoNotOptimize(crowded.view->FaceCanvas().constBits());
    }
}
BENCHMARK(BM_ArrangeCommand)->Unit(benchmark::kMillisecond);

// Undo of a one-object move: the project read back from the step before, and
// only what the move covered drawn again.
void BM_UndoMove(benchmark::State& state) {
    CrowdedView crowded;
    for (auto _ : state) {
        state.PauseTiming();
        {
            auto edit = crowded.doc.Edit();
            CBaseObject& shape = *crowded.doc.ActiveFace().Objects()[500];
            edit.MoveTo(shape, shape.X() + 500, shape.Y());
        }
        state.ResumeTiming();
        crowded.doc.Undo();
        benchmark::DoNotOptimize(crowded.view->FaceCanvas().constBits());
    }
}
BENCHMARK(BM_UndoMove)->Unit(benchmark::kMillisecond);

} // namespace
