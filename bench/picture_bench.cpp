#include "document/discwright_doc.h"
#include "imaging/raster_image.h"
#include "imaging/thumbnail.h"
#include "jpeg_floor.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "platform/device_context.h"
#include "synthetic_photo.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

// Pictures in a project: snapshots and undo with four 12-megapixel photos,
// the first draw and repaints of one, and gallery thumbnails. The photo is a
// synthetic JPEG written at start-up; libjpeg's own 1/8 decode of the same
// bytes runs in the same program as the anchor for thumbnails.

namespace {

constexpr int kW = 4000, kH = 3000;
constexpr int kViewW = 454, kViewH = 340;

const QString& PhotoPath() {
    return SyntheticPhotoFile();
}

const QByteArray& PhotoBytes() {
    static const QByteArray bytes = [] {
        QFile file(PhotoPath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    return bytes;
}

void SetRate(benchmark::State& state, double pixels) {
    state.counters["MP/s"] =
        benchmark::Counter(pixels / 1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
}

// Four photos on the front face and a shape on the disc, history started.
CDiscwrightDoc& PhotoDocument() {
    static CDiscwrightDoc* doc = [] {
        auto* d = new CDiscwrightDoc(DocumentSettings{});
        d->OnNewDocument();
        d->SetActiveFace(kFrontFace);
        for (int i = 0; i < 4; ++i) {
            auto picture = std::make_unique<CImage>(i * 1000, -i * 1000);
            if (!picture->LoadFile(PhotoPath()))
                std::abort();
            picture->ResolveNaturalSize(UnitConversion{});
            d->AddObject(std::move(picture));
        }
        d->SetActiveFace(kDiscFace);
        d->AddObject(std::make_unique<CShape>(0, 0, 1000, -1000, 0, 0xFF, 0));
        d->ResetHistory();
        return d;
    }();
    return *doc;
}

void BM_SnapshotFourPhotos(benchmark::State& state) {
    CDiscwrightDoc& doc = PhotoDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.CheckPoint());
}
BENCHMARK(BM_SnapshotFourPhotos)->Unit(benchmark::kMillisecond);

// Undo of a shape move, then redo of it, alternately: each a full restore.
void BM_UndoShapeMoveFourPhotos(benchmark::State& state) {
    CDiscwrightDoc& doc = PhotoDocument();
    doc.GetFace(kDiscFace).Objects().back()->SetX(doc.GetFace(kDiscFace).Objects().back()->X() +
                                                  500);
    doc.CheckPoint();
    bool undo = true;
    for (auto _ : state) {
        if (!(undo ? doc.Undo() : doc.Redo()))
            state.SkipWithError("undo failed");
        undo = !undo;
    }
}
BENCHMARK(BM_UndoShapeMoveFourPhotos)->Unit(benchmark::kMillisecond);

// One photo sized to 454 × 340 pixels at zoom 1.
CImage& ViewPhoto() {
    static CImage* picture = [] {
        const UnitConversion units;
        auto* p = new CImage(0, 0, units.PixelsToUnits(kViewW), -units.PixelsToUnits(kViewH));
        if (!p->LoadFile(PhotoPath()))
            std::abort();
        return p;
    }();
    return *picture;
}

void DrawOnce(CImage& picture, QImage& canvas, const RenderContext& context) {
    CDeviceContext dc(canvas, &context);
    dc.SetMapMode(MapMode::HiMetric);
    picture.Draw(dc, 0, 0);
}

// The first draw as the face renderer does it: the display copy made before
// the device context, then the draw.
void BM_PictureFirstDraw454x340(benchmark::State& state) {
    CImage& picture = ViewPhoto();
    QImage canvas(kViewW + 1, kViewH + 1, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const RenderContext context;
    for (auto _ : state) {
        picture.ResetDisplayCache();
        picture.PrepareDisplayCopy(context);
        DrawOnce(picture, canvas, context);
    }
    SetRate(state, double(kW) * kH);
}
BENCHMARK(BM_PictureFirstDraw454x340)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The anchor: the image layer's own resample of the same pixels to the same size.
void BM_ImageLayerResample454x340Anchor(benchmark::State& state) {
    CRasterImage pixels = ViewPhoto().Image();
    for (auto _ : state) {
        pixels.ResetCache();
        benchmark::DoNotOptimize(pixels.ResampledCopy(kViewW, kViewH));
    }
    SetRate(state, double(kW) * kH);
}
BENCHMARK(BM_ImageLayerResample454x340Anchor)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A 64-megapixel picture softened: what the window's thread does (make the
// job, take the result) against what the worker thread does.
CImage& BigPicture() {
    static CImage* picture = [] {
        auto* p = new CImage(0, 0, 20000, -20000);
        CRasterImage pixels;
        if (!pixels.Allocate(8000, 8000, 24, kFormatBmp))
            std::abort();
        for (int y = 0; y < 8000; ++y) {
            uint8_t* row = pixels.Row(y);
            for (int x = 0; x < 8000 * 3; ++x)
                row[x] = uint8_t((x * 7 + y * 3) & 0xFF);
        }
        p->SetImage(std::move(pixels));
        return p;
    }();
    return *picture;
}

void BM_Soften64MPWorker(benchmark::State& state) {
    CImage& picture = BigPicture();
    for (auto _ : state) {
        PictureEffectJob job(picture, PictureEffect::kSoften);
        job.Run();
        benchmark::DoNotOptimize(job.Complete());
    }
    SetRate(state, 64e6);
}
BENCHMARK(BM_Soften64MPWorker)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Soften64MPWindowThread(benchmark::State& state) {
    CImage& picture = BigPicture();
    for (auto _ : state) {
        // Making the job and taking its result are all the window's thread does.
        auto job = std::make_unique<PictureEffectJob>(picture, PictureEffect::kSoften);
        state.PauseTiming();
        job->Run();
        state.ResumeTiming();
        benchmark::DoNotOptimize(picture.TakeEffect(*job));
    }
}
BENCHMARK(BM_Soften64MPWindowThread)->Unit(benchmark::kMicrosecond)->Iterations(2);

void BM_PictureRepaint454x340(benchmark::State& state) {
    CImage& picture = ViewPhoto();
    QImage canvas(kViewW + 1, kViewH + 1, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const RenderContext context;
    DrawOnce(picture, canvas, context);
    for (auto _ : state)
        DrawOnce(picture, canvas, context);
    SetRate(state, double(kViewW) * kViewH);
}
BENCHMARK(BM_PictureRepaint454x340)->Unit(benchmark::kMicrosecond);

void BM_Thumbnail120(benchmark::State& state) {
    const QByteArray& bytes = PhotoBytes();
    const std::span<const uint8_t> span(reinterpret_cast<const uint8_t*>(bytes.data()),
                                        size_t(bytes.size()));
    CRasterImage thumb;
    for (auto _ : state) {
        if (!DecodeThumbnail(span, kFormatJpeg, 120, 120, thumb))
            state.SkipWithError("thumbnail failed");
        benchmark::DoNotOptimize(thumb.Bits());
    }
    SetRate(state, double(kW) * kH);
}
BENCHMARK(BM_Thumbnail120)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_Thumbnail120LibjpegEighthAnchor(benchmark::State& state) {
    const QByteArray& bytes = PhotoBytes();
    std::vector<uint8_t> pixels;
    for (auto _ : state) {
        if (!DecodeEighth(bytes, pixels))
            state.SkipWithError("libjpeg failed");
        benchmark::DoNotOptimize(pixels.data());
    }
    SetRate(state, double(kW) * kH);
}
BENCHMARK(BM_Thumbnail120LibjpegEighthAnchor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

// Drawing needs fonts, and fonts need a GUI application.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
