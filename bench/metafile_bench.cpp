// Speed of vector pictures: playing a 50,000-record enhanced metafile into a
// face-sized image beside drawing the same primitives straight with QPainter,
// repainting an unchanged picture from its cached image, and importing a
// 5 MB Windows metafile.

#include "metafile/emf_player.h"
#include "metafile/emf_records.h"
#include "metafile/emf_writer.h"
#include "metafile/metafile.h"
#include "metafile/metafile_record.h"
#include "objects/vector_image.h"
#include "platform/device_context.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A front cover (120 x 120 mm) at 96 dots per inch.
constexpr int kFace = 454;

struct Primitive {
    enum Kind { Line, Polygon, Text, Bitmap } kind;
    std::vector<QPoint> points;
    uint32_t colour;
};

// About 50,000 records: lines (move, line), polygons, texts and small
// bitmaps with a pen or brush change now and then, in a 10,000-unit square.
std::vector<Primitive> Primitives() {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> pos(0, 10000), delta(-400, 400), colour(0, 0xFFFFFF);
    std::vector<Primitive> out;
    for (int i = 0; i < 20000; ++i) {
        const QPoint p(pos(random), pos(random));
        Primitive prim{Primitive::Kind(i % 4), {p}, uint32_t(colour(random))};
        if (prim.kind == Primitive::Line)
            prim.points.push_back(p + QPoint(delta(random), delta(random)));
        if (prim.kind == Primitive::Polygon)
            for (int k = 0; k < 5; ++k)
                prim.points.push_back(p + QPoint(delta(random), delta(random)));
        out.push_back(prim);
    }
    return out;
}

QByteArray Dib8x8() {
    QByteArray dib;
    for (uint32_t v : {40u, 8u, 8u})
        PutU32(dib, v);
    PutU16(dib, 1);
    PutU16(dib, 24);
    dib.append(QByteArray(24, '\0'));
    for (int i = 0; i < 8 * 8 * 3; ++i)
        dib.append(char(i * 7));
    return dib;
}

QByteArray BuildEmf(const std::vector<Primitive>& prims) {
    EmfWriter w;
    w.OneU32(Emr::kSetMapMode, Emf::kMmAnisotropic);
    w.TwoI32(Emr::kSetWindowExtEx, 10000, 10000);
    w.TwoI32(Emr::kSetViewportExtEx, 960, 960);
    w.Font(1, -200, 0, 0, 0, 400, 0, 0, 0, 0, 0, QStringLiteral("Liberation Sans"));
    w.OneU32(Emr::kSelectObject, 1);
    w.OneU32(Emr::kSetBkMode, Emf::kTransparent);
    const QByteArray dib = Dib8x8();
    for (size_t i = 0; i < prims.size(); ++i) {
        const Primitive& p = prims[i];
        switch (p.kind) {
        case Primitive::Line:
            w.Begin(Emr::kCreatePen);
            w.PutU32(2);
            w.PutU32(Emf::kPsSolid);
            w.PutI32(20);
            w.PutI32(0);
            w.PutU32(p.colour);
            w.End();
            w.OneU32(Emr::kSelectObject, 2);
            w.TwoI32(Emr::kMoveToEx, p.points[0].x(), p.points[0].y());
            w.TwoI32(Emr::kLineTo, p.points[1].x(), p.points[1].y());
            break;
        case Primitive::Polygon:
            w.Begin(Emr::kCreateBrushIndirect);
            w.PutU32(3);
            w.PutU32(Emf::kBsSolid);
            w.PutU32(p.colour);
            w.PutU32(0);
            w.End();
            w.OneU32(Emr::kSelectObject, 3);
            w.Poly(Emr::kPolygon, Emr::kPolygon16, p.points);
            break;
        case Primitive::Text:
            w.OneU32(Emr::kSetTextColor, p.colour);
            w.TextW(p.points[0], QStringLiteral("Track 12"), 0, {}, {});
            break;
        case Primitive::Bitmap:
            w.StretchDib(p.points[0].x(), p.points[0].y(), 160, 160, 0, 0, 8, 8, 0, Emf::kSrcCopy,
                         dib);
            break;
        }
    }
    return w.Finish({0, 0, 959, 959}, {0, 0, 25399, 25399}, 4);
}

// The same drawing with QPainter calls: same transform, pens, brushes, font
// and anti-aliasing.
void DrawDirect(QPainter& painter, const std::vector<Primitive>& prims, const QImage& bitmap) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double s = double(kFace) / 10000;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(200 * s + 0.5));
    painter.setFont(font);
    for (const Primitive& p : prims) {
        const QColor c(int(p.colour & 0xFF), int((p.colour >> 8) & 0xFF),
                       int((p.colour >> 16) & 0xFF));
        switch (p.kind) {
        case Primitive::Line:
            painter.setPen(QPen(c, 20 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(QPointF(p.points[0]) * s, QPointF(p.points[1]) * s);
            break;
        case Primitive::Polygon: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(c);
            QPolygonF poly;
            for (const QPoint& q : p.points)
                poly << QPointF(q) * s;
            painter.drawPolygon(poly);
            break;
        }
        case Primitive::Text:
            painter.setPen(c);
            painter.drawText(QPointF(p.points[0]) * s + QPointF(0, font.pixelSize()),
                             QStringLiteral("Track 12"));
            break;
        case Primitive::Bitmap:
            painter.drawImage(QRectF(QPointF(p.points[0]) * s, QSizeF(160 * s, 160 * s)), bitmap);
            break;
        }
    }
}

void BM_PlayEmf50kRecords(benchmark::State& state) {
    const QByteArray emf = BuildEmf(Primitives());
    QImage image(kFace, kFace, QImage::Format_ARGB32_Premultiplied);
    uint32_t records = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        records = PlayEnhMetaFile(painter, emf, QRectF(0, 0, kFace, kFace)).played;
    }
    state.counters["records"] = records;
}
BENCHMARK(BM_PlayEmf50kRecords)->Unit(benchmark::kMillisecond);

void BM_SamePrimitivesWithQPainter(benchmark::State& state) {
    const std::vector<Primitive> prims = Primitives();
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(Qt::darkCyan);
    QImage image(kFace, kFace, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawDirect(painter, prims, bitmap);
    }
}
BENCHMARK(BM_SamePrimitivesWithQPainter)->Unit(benchmark::kMillisecond);

// Repainting an unchanged picture at the same zoom: the cached image is
// copied, nothing is played.
void BM_RepaintCachedVectorPicture(benchmark::State& state) {
    CVectorImage picture(0, 0, 12000, -12000);
    picture.SetEnhancedMetafile(BuildEmf(Primitives()));
    picture.m_width = 12000;
    picture.m_height = -12000;
    QImage canvas(kFace, kFace, QImage::Format_RGB32);
    RenderContext context;
    CDeviceContext dc(canvas, &context);
    dc.SetMapMode(MapMode::HiMetric);
    picture.Draw(dc, 0, 0); // fills the cache
    for (auto _ : state)
        picture.Draw(dc, 0, 0);
}
BENCHMARK(BM_RepaintCachedVectorPicture)->Unit(benchmark::kMillisecond);

// A 5 MB Windows metafile of polygons with a placeable header: reading and
// conversion into an enhanced metafile.
void BM_ImportAndConvert5MbWmf(benchmark::State& state) {
    QByteArray records;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pos(0, 20000);
    while (records.size() < 5 * 1024 * 1024) {
        PutU32(records, 3 + 1 + 2 * 8); // POLYGON of eight points
        PutU16(records, 0x0324);
        PutU16(records, 8);
        for (int k = 0; k < 16; ++k)
            PutU16(records, uint32_t(pos(random)));
    }
    PutU32(records, 3);
    PutU16(records, 0);
    QByteArray file;
    for (uint32_t v : {0x9AC6CDD7u})
        PutU32(file, v);
    for (uint32_t v : {0u, 0u, 0u, 20000u, 20000u, 1440u})
        PutU16(file, v);
    PutU32(file, 0);
    PutU16(file, 0);
    PutU16(file, 1);
    PutU16(file, 9);
    PutU16(file, 0x0300);
    PutU32(file, uint32_t((18 + records.size()) / 2));
    PutU16(file, 0);
    PutU32(file, 19);
    PutU16(file, 0);
    file += records;
    for (auto _ : state) {
        PlaceableHeader placeable;
        QByteArray emf;
        if (!ReadMetafileFile(file, &placeable, &emf, nullptr))
            state.SkipWithError("the metafile did not read");
        benchmark::DoNotOptimize(emf.data());
    }
    state.counters["bytes"] = double(file.size());
}
BENCHMARK(BM_ImportAndConvert5MbWmf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
