// Filling a gallery list from a folder of camera photos, against the floor of
// a single-threaded libjpeg decode at 1/8 of the size. Reads the folders that
// bench/make_gallery_photos.sh makes (LUMVANE_GALLERY_PHOTOS, default
// /tmp/gallery-bench); skips when they are missing.

#include "app/gallery/thumbnail_list.h"
#include "imaging/gallery_thumbnail.h"
#include "jpeg_floor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString PhotoFolder(const char* sub) {
    const QByteArray root = qgetenv("LUMVANE_GALLERY_PHOTOS");
    return (root.isEmpty() ? QStringLiteral("/tmp/gallery-bench") : QString::fromLocal8Bit(root)) +
           u'/' + QLatin1String(sub);
}

QStringList Photos(const char* sub) {
    QDir dir(PhotoFolder(sub));
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

// Resident memory of this process in kilobytes.
long RssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// Reads the file and decodes it at 1/8 with libjpeg alone: the least any
// thumbnail of a photo without an EXIF thumbnail can cost on one core.
bool DecodeEighth(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static thread_local std::vector<uint8_t> pixels;
    return DecodeEighth(file.readAll(), pixels);
}

void BM_FloorLibjpegEighth(benchmark::State& state) {
    const QStringList photos = Photos("plain");
    if (photos.isEmpty())
        return state.SkipWithError("no photos: run bench/make_gallery_photos.sh");
    for (auto _ : state)
        for (const QString& path : photos)
            benchmark::DoNotOptimize(DecodeEighth(path));
    state.SetItemsProcessed(state.iterations() * photos.size());
}

// Lumvane's own thumbnail of each photo on one thread: the floor plus what
// the gallery adds (its decoder, the fit and the white square).
void BM_MakeThumbnailSerial(benchmark::State& state) {
    const QStringList photos = Photos("plain");
    if (photos.isEmpty())
        return state.SkipWithError("no photos: run bench/make_gallery_photos.sh");
    for (auto _ : state)
        for (const QString& path : photos)
            benchmark::DoNotOptimize(MakeGalleryThumbnail(path, {80, 80}));
    state.SetItemsProcessed(state.iterations() * photos.size());
}

// Times are wall-clock times throughout: the list's work is on its loader
// threads, which the window thread's CPU time would not count.

// The whole folder into an 80 × 80 list, as the window sees it: from Load
// to the last item. Also reports the largest rise of resident memory.
void FillList(benchmark::State& state, const char* sub) {
    const QString folder = PhotoFolder(sub);
    const qsizetype files = Photos(sub).size();
    if (files == 0)
        return state.SkipWithError("no photos: run bench/make_gallery_photos.sh");
    ThumbnailList list({80, 80});
    long peakRise = 0;
    for (auto _ : state) {
        list.Load(QString());
        QApplication::processEvents();
        const long idle = RssKb();
        list.Load(folder);
        while (list.IsLoading()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            peakRise = std::max(peakRise, RssKb() - idle);
        }
        if (list.count() != files)
            return state.SkipWithError("not every photo gave a thumbnail");
    }
    state.SetItemsProcessed(state.iterations() * files);
    state.counters["rss_rise_MB"] = double(peakRise) / 1024.0;
}

void BM_FillListPlain(benchmark::State& state) {
    FillList(state, "plain");
}
void BM_FillListExif(benchmark::State& state) {
    FillList(state, "exif");
}

// From Load to the first screenful (30 items) of the mixed folder.
void BM_FirstScreenful(benchmark::State& state) {
    const QString folder = PhotoFolder("all");
    if (Photos("all").size() < 30)
        return state.SkipWithError("no photos: run bench/make_gallery_photos.sh");
    ThumbnailList list({80, 80});
    for (auto _ : state) {
        list.Load(folder);
        while (list.count() < 30)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.PauseTiming();
        list.Load(QString());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FloorLibjpegEighth)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();
BENCHMARK(BM_MakeThumbnailSerial)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly()
    ->UseRealTime();
BENCHMARK(BM_FillListPlain)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();
BENCHMARK(BM_FillListExif)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();
BENCHMARK(BM_FirstScreenful)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
