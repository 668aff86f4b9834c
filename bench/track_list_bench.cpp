// Speed of the text block that fits a whole track list into its rectangle:
// laying out 99 tracks from scratch (what typing in the track dialog or a
// new font size costs), the same when titles must be shortened, and painting
// a laid-out block (what every repaint costs once the layout is cached).

#include "objects/text.h"
#include "objects/track_list_layout.h"
#include "platform/device_context.h"
#include "tracks/placeholders.h"

#include "gui_application.h"

#include <benchmark/benchmark.h>

namespace {

AlbumData NinetyNineTracks(int titleLength) {
    AlbumData album = AlbumData::Defaults();
    for (int i = 1; i <= 99; ++i) {
        QString title = QStringLiteral("Song number %1 of a long album").arg(i);
        while (title.size() < titleLength)
            title += QStringLiteral(" and more");
        album.tracks.push_back(
            {i % 7 == 0 ? QStringLiteral("Guest %1").arg(i) : QString(), title,
             QStringLiteral("%1:%2").arg(i % 9).arg(i % 60, 2, 10, QLatin1Char('0'))});
    }
    return album;
}

// From the stored text to placed lines: expansion, the block's lines and the fitting.
void LayOut(benchmark::State& state, int titleLength, double width, double height) {
    EnsureGuiApplication();
    const AlbumData album = NinetyNineTracks(titleLength);
    const QString text = QStringLiteral("Tracks\r\n<tracklist>");
    for (auto _ : state) {
        TrackListLayoutInput input;
        input.lines = TrackBlockLines(ExpandPlaceholderPieces(text, album), album);
        input.font = DefaultTextFont(700);
        input.width = width;
        input.height = height;
        const TrackListLayout layout(input);
        benchmark::DoNotOptimize(layout.Lines().size());
    }
}

// 99 tracks into the 90 x 50 mm box of a back insert: they fit whole.
void BM_TrackListLayout99(benchmark::State& state) {
    LayOut(state, 0, 9000, 5000);
}
BENCHMARK(BM_TrackListLayout99)->Unit(benchmark::kMillisecond);

// Titles of 120 characters in a 60 x 30 mm box: shortened at 4 points.
void BM_TrackListLayout99Shortened(benchmark::State& state) {
    LayOut(state, 120, 6000, 3000);
}
BENCHMARK(BM_TrackListLayout99Shortened)->Unit(benchmark::kMillisecond);

// Repainting the object at zoom 1: the cached layout drawn into the face canvas.
void BM_TrackListRepaint99(benchmark::State& state) {
    EnsureGuiApplication();
    const AlbumData album = NinetyNineTracks(0);
    RenderContext context;
    context.expandPlaceholders = [&album](const QString& t) {
        return ExpandPlaceholders(t, album);
    };
    context.album = &album;
    CText text(0, 0, 9000, -5000, 0, QStringLiteral("<tracklist>"), UnitConversion{});
    {
        LOGFONTA font = text.Font();
        font.lfHeight = 700;
        text.SetFont(font);
    }
    QImage canvas(400, 220, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(Qt::white);
        CDeviceContext dc(canvas, &context);
        dc.SetAntialiasing(true);
        dc.SetMapMode(MapMode::HiMetric);
        text.Draw(dc, 0, 0);
    }
}
BENCHMARK(BM_TrackListRepaint99)->Unit(benchmark::kMillisecond);

} // namespace
