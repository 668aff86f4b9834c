// Playing enhanced metafiles: against reference renderings of metafiles made
// by other programs, on small pictures built here, and on hostile records.
#include "metafile/emf_records.h"
#include "metafile_builder.h"

#include "metafile/emf_player.h"
#include "metafile/emf_recorder.h"
#include "metafile/emf_writer.h"
#include "metafile/metafile.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QString DataFile(const QString& name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/") + name;
}

QImage Play(const QByteArray& emf, QSize size, EmfPlayReport* report = nullptr) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const EmfPlayReport r = PlayEnhMetaFile(painter, emf, QRectF(QPointF(0, 0), size));
    if (report)
        *report = r;
    return image;
}

// The share of pixels (outside `ignored`) with no pixel of a similar colour
// at the same place or one pixel away in the other image: anti-aliasing and
// rounding may move an edge by a pixel, nothing more.
double Mismatch(const QImage& a, const QImage& b, const std::vector<QRect>& ignored) {
    const auto close = [](QRgb p, QRgb q) {
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) <= 96;
    };
    int differing = 0, counted = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::any_of(ignored.begin(), ignored.end(),
                            [&](const QRect& r) { return r.contains(x, y); }))
                continue;
            ++counted;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.rect().contains(x + dx, y + dy) &&
                            close(a.pixel(x, y), b.pixel(x + dx, y + dy));
            differing += !found;
        }
    }
    return counted ? double(differing) / counted : 1.0;
}

struct ReferenceCase {
    const char* file;
    const char* reference;      // ref_<reference>_1x.png and _2x.png
    std::vector<QRect> ignored; // at zoom 1.0
    const char* what;
};

class ReferenceRendering : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceRendering, MatchesTheIndependentRendererAtZoomOneAndTwo) {
    const ReferenceCase& c = GetParam();
    QFile file(DataFile(QLatin1String(c.file)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    PlaceableHeader placeable;
    QByteArray emf;
    QString error;
    const QByteArray bytes = file.readAll();
    // SVG drawings are recorded into an enhanced metafile first.
    if (QLatin1String(c.file).endsWith(QLatin1String(".svg")))
        ASSERT_TRUE(RecordSvgAsMetafile(bytes, &emf, &error)) << error.toStdString();
    else
        ASSERT_TRUE(ReadMetafileFile(bytes, &placeable, &emf, &error)) << error.toStdString();
    for (int zoom : {1, 2}) {
        const QImage reference(
            DataFile(QStringLiteral("ref_%1_%2x.png").arg(QLatin1String(c.reference)).arg(zoom)));
        ASSERT_FALSE(reference.isNull());
        EmfPlayReport report;
        const QImage played = Play(emf, reference.size(), &report);
        EXPECT_TRUE(report.ok);
        EXPECT_EQ(report.skipped, 0u) << c.file;
        std::vector<QRect> ignored;
        for (const QRect& r : c.ignored)
            ignored.emplace_back(r.topLeft() * zoom, r.size() * zoom);
        // Shapes match to the pixel; glyphs are hinted differently and text
        // runs may end a few pixels apart, which stays below 3 %.
        EXPECT_LT(Mismatch(played, reference.convertToFormat(QImage::Format_RGB32), ignored), 0.03)
            << c.file << " at zoom " << zoom << ": " << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ReferenceRendering,
    testing::Values(
        ReferenceCase{"logo_inkscape.emf", "logo_inkscape_emf", {}, "shapes, outline, colours"},
        ReferenceCase{"logo_inkscape.wmf", "logo_inkscape_wmf", {}, "converted Windows metafile"},
        ReferenceCase{"logo_libreoffice.wmf",
                      "logo_libreoffice_wmf",
                      {},
                      "converted Windows metafile with a placeable header"},
        ReferenceCase{
            "text_libreoffice.emf", "text_libreoffice_emf", {}, "text position, size and colour"},
        // The reference renderer leaves gnuplot's last box and the legend
        // sample unfilled; axes, labels, title, bars and the line must match.
        ReferenceCase{"chart_gnuplot.emf",
                      "chart_gnuplot_emf",
                      {QRect(225, 100, 52, 100), QRect(236, 24, 42, 16)},
                      "axes, tick labels, title, bars, line"},
        ReferenceCase{"logo.svg", "logo_svg", {}, "SVG shapes recorded as path records"},
        ReferenceCase{"badge.svg",
                      "badge_svg",
                      {},
                      "SVG gradient and half-transparent fill as bitmap patches, curve, outline"},
        ReferenceCase{"text.svg", "text_svg", {}, "SVG text as glyph outlines"},
        ReferenceCase{"label_mm.svg", "label_mm_svg", {}, "SVG text on a filled background"}),
    [](const testing::TestParamInfo<ReferenceCase>& info) {
        return std::string(info.param.reference);
    });

// SVG sizes are CSS lengths at 96 pixels to the inch, as librsvg takes them:
// the recorded drawing has librsvg's pixel size, and text letters are filled
// with their own colour only (no stray light polygons through them).
TEST(EmfRecorder, SvgTakesLibrsvgsSizeAndTextKeepsItsColours) {
    for (const char* name : {"text.svg", "label_mm.svg"}) {
        QFile file(DataFile(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QByteArray emf;
        QString error;
        ASSERT_TRUE(RecordSvgAsMetafile(svg, &emf, &error)) << error.toStdString();
        const QString base = QLatin1String(name).chopped(4);
        const QImage reference(DataFile(QStringLiteral("ref_%1_svg_1x.png").arg(base)));
        ASSERT_FALSE(reference.isNull());
        const EmfHeader header = ParseEmfHeader(emf);
        EXPECT_EQ(header.bounds.Width() + 1, reference.width()) << name;
        EXPECT_EQ(header.bounds.Height() + 1, reference.height()) << name;
    }
    const struct {
        const char* size; // width and height attributes
        QSizeF pixels;
    } cases[] = {
        {"width='200mm' height='100mm'", {755.9055, 377.9528}},
        {"width='2in' height='1in'", {192, 96}},
        {"width='72pt' height='36pt'", {96, 48}},
        {"width='5cm' height='2.54cm'", {188.9764, 96}},
        {"width='300' height='150px'", {300, 150}},
        {"viewBox='0 0 40 20'", {40, 20}},
        {"width='100mm' viewBox='0 0 40 20'", {377.9528, 188.9764}},
        {"width='100%' height='100%' viewBox='0 0 40 20'", {40, 20}},
    };
    for (const auto& c : cases) {
        const QByteArray svg = QByteArray("<svg xmlns='http://www.w3.org/2000/svg' ") + c.size +
                               "><rect width='10' height='10'/></svg>";
        const QSizeF got = SvgNaturalSize(svg);
        EXPECT_NEAR(got.width(), c.pixels.width(), 0.01) << c.size;
        EXPECT_NEAR(got.height(), c.pixels.height(), 0.01) << c.size;
    }

    // Yellow letters on blue: every pixel is blue, yellow or a blend of the
    // two, never near white.
    QFile file(DataFile(QStringLiteral("label_mm.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray emf;
    QString error;
    ASSERT_TRUE(RecordSvgAsMetafile(file.readAll(), &emf, &error));
    for (int zoom : {1, 2, 4}) {
        const QImage played = Play(emf, QSize(227, 76) * zoom);
        int white = 0;
        for (int y = 1; y < played.height() - 1; ++y)
            for (int x = 1; x < played.width() - 1; ++x)
                white += qBlue(played.pixel(x, y)) > 200 && qRed(played.pixel(x, y)) > 200;
        EXPECT_EQ(white, 0) << "zoom " << zoom;
    }
}

TEST(EmfRecorder, PlainFillsArePathsAndGradientsArePatches) {
    QFile file(DataFile(QStringLiteral("badge.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray emf;
    QString error;
    ASSERT_TRUE(RecordSvgAsMetafile(file.readAll(), &emf, &error));
    QByteArray stored;
    EmfHeader header;
    ASSERT_TRUE(ReadEnhancedMetafile(emf, &stored, &header, &error)) << error.toStdString();
    // 160 x 120 pixels at 96 dots per inch.
    EXPECT_EQ(header.frame.right + 1, 160 * 2540 / 96);
    EXPECT_EQ(header.frame.bottom + 1, 120 * 2540 / 96);
    int fills = 0, patches = 0;
    for (qsizetype pos = 0; pos + 8 <= emf.size(); pos += U32At(emf, pos + 4)) {
        fills += U32At(emf, pos) == Emr::kFillPath;
        patches += U32At(emf, pos) == Emr::kAlphaBlend;
    }
    EXPECT_GE(fills, 3);   // background, circle and its outline, curve
    EXPECT_EQ(patches, 2); // the gradient and the half-transparent rectangle
    EXPECT_FALSE(RecordSvgAsMetafile("<svg broken", &emf, &error));
}

// A small picture of 100 x 100 reference pixels whose records `body` writes.
QByteArray Picture(const std::function<void(EmfWriter&)>& body) {
    EmfWriter w;
    body(w);
    return w.Finish({0, 0, 99, 99}, {0, 0, 2645, 2645}, 8);
}

void Brush(EmfWriter& w, uint32_t handle, uint32_t colour) {
    w.Begin(Emr::kCreateBrushIndirect);
    w.PutU32(handle);
    w.PutU32(Emf::kBsSolid);
    w.PutU32(colour);
    w.PutU32(0);
    w.End();
    w.OneU32(Emr::kSelectObject, handle);
    w.OneU32(Emr::kSelectObject, Emf::kNullPen);
}

void Rect(EmfWriter& w, int l, int t, int r, int b) {
    w.Begin(Emr::kRectangle);
    w.PutRect(l, t, r, b);
    w.End();
}

TEST(EmfPlayer, MappingStateAndClipping) {
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255);
    const struct {
        const char* name;
        std::function<void(EmfWriter&)> body;
        QPoint probe; // in the 200 x 200 target (twice the reference size)
        QRgb expected;
    } cases[] = {
        {"plain rectangle",
         [](EmfWriter& w) { Brush(w, 1, 0xFF), Rect(w, 10, 10, 50, 50); },
         {60, 60},
         red},
        {"anisotropic window onto the viewport",
         [](EmfWriter& w) {
             w.OneU32(Emr::kSetMapMode, Emf::kMmAnisotropic);
             w.TwoI32(Emr::kSetWindowExtEx, 1000, 1000);
             w.TwoI32(Emr::kSetViewportExtEx, 100, 100);
             Brush(w, 1, 0xFF), Rect(w, 500, 500, 1000, 1000);
         },
         {150, 150},
         red},
        {"high metric mode: y grows upward",
         [](EmfWriter& w) {
             w.OneU32(Emr::kSetMapMode, Emf::kMmHiMetric);
             w.TwoI32(Emr::kSetViewportOrgEx, 0, 100);
             Brush(w, 1, 0xFF), Rect(w, 0, 0, 1000, 1000); // 10 mm up from the bottom
         },
         {20, 190},
         red},
        {"world transform moves the figure",
         [](EmfWriter& w) {
             w.Begin(Emr::kSetWorldTransform);
             for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 50.0f, 0.0f})
                 w.PutF32(f);
             w.End();
             Brush(w, 1, 0xFF), Rect(w, 0, 0, 20, 20);
         },
         {110, 20},
         red},
        {"restored state drops the later brush",
         [](EmfWriter& w) {
             Brush(w, 1, 0xFF);
             w.Simple(Emr::kSaveDc);
             Brush(w, 2, 0xFF0000);
             w.OneU32(Emr::kRestoreDc, uint32_t(-1));
             Rect(w, 0, 0, 100, 100);
         },
         {100, 100},
         red},
        {"excluded clip rectangle stays white",
         [](EmfWriter& w) {
             w.Begin(Emr::kExcludeClipRect);
             w.PutRect(40, 40, 60, 60);
             w.End();
             Brush(w, 1, 0xFF), Rect(w, 0, 0, 100, 100);
         },
         {100, 100},
         white},
        {"path filled through the clip path",
         [](EmfWriter& w) {
             w.Simple(Emr::kBeginPath);
             Rect(w, 0, 0, 50, 100);
             w.Simple(Emr::kEndPath);
             w.OneU32(Emr::kSelectClipPath, Emf::kRgnCopy);
             Brush(w, 1, 0xFF0000), Rect(w, 0, 0, 100, 100);
         },
         {150, 100},
         white},
        {"blue inside the clip path",
         [](EmfWriter& w) {
             w.Simple(Emr::kBeginPath);
             Rect(w, 0, 0, 50, 100);
             w.Simple(Emr::kEndPath);
             w.OneU32(Emr::kSelectClipPath, Emf::kRgnCopy);
             Brush(w, 1, 0xFF0000), Rect(w, 0, 0, 100, 100);
         },
         {50, 100},
         blue},
    };
    for (const auto& c : cases) {
        const QImage image = Play(Picture(c.body), {200, 200});
        EXPECT_EQ(image.pixel(c.probe), c.expected) << c.name;
    }
}

TEST(EmfPlayer, HostileRecordsAreSkippedAndNothingElseBreaks) {
    const struct {
        const char* name;
        std::function<void(EmfWriter&)> body;
    } cases[] = {
        {"polygon of 2^31 points",
         [](EmfWriter& w) {
             w.Begin(Emr::kPolygon16);
             w.PutRect(0, 0, 10, 10);
             w.PutU32(0x80000000u);
             w.PutU32(0);
             w.End();
         }},
        {"poly-polygon whose counts exceed the record",
         [](EmfWriter& w) {
             w.Begin(Emr::kPolyPolygon16);
             w.PutRect(0, 0, 10, 10);
             w.PutU32(2);
             w.PutU32(6);
             w.PutU32(0x7FFFFFFF);
             w.PutU32(0x7FFFFFFF);
             w.PutU32(0);
             w.End();
         }},
        {"bitmap of 100000 x 100000",
         [](EmfWriter& w) {
             QByteArray dib;
             for (int v : {40, 100000, 100000})
                 WmfBuilder::Put32(dib, uint32_t(v));
             WmfBuilder::Put16(dib, 1);
             WmfBuilder::Put16(dib, 24);
             dib.append(QByteArray(24 + 16, '\0'));
             w.Begin(Emr::kStretchDiBits);
             w.PutRect(0, 0, 10, 10);
             for (int v :
                  {0, 0, 0, 0, 100000, 100000, 80, 40, 120, 16, 0, int(Emf::kSrcCopy), 10, 10})
                 w.PutI32(v);
             w.PutBytes(dib);
             w.End();
         }},
        {"object index out of range",
         [](EmfWriter& w) {
             w.OneU32(Emr::kSelectObject, 0x7FFFFFFF);
             w.OneU32(Emr::kDeleteObject, 40000);
         }},
        {"text whose string lies past the record",
         [](EmfWriter& w) {
             w.Begin(Emr::kExtTextOutW);
             w.PutRect(0, 0, 10, 10);
             for (uint32_t v : {1u, 0u, 0u, 5u, 5u, 1000000u, 0xFFFFFF00u, 0u, 0u, 0u, 0u, 0u, 0u})
                 w.PutU32(v);
             w.End();
         }},
        {"arc-to and pie on a box of no size",
         [](EmfWriter& w) {
             for (uint32_t type : {Emr::kArcTo, Emr::kPie}) {
                 w.Begin(type);
                 w.PutRect(5, 5, 5, 5);
                 w.PutPoint({10, 0});
                 w.PutPoint({0, 10});
                 w.End();
             }
         }},
        {"restore past the bottom of the stack",
         [](EmfWriter& w) { w.OneU32(Emr::kRestoreDc, uint32_t(-1000)); }},
    };
    for (const auto& c : cases) {
        EmfPlayReport report;
        const QImage image = Play(Picture(c.body), {50, 50}, &report);
        EXPECT_TRUE(report.ok) << c.name;
        EXPECT_EQ(image.pixel(25, 25), qRgb(255, 255, 255)) << c.name;
    }

    // Not a metafile at all: nothing is drawn and the report says so.
    EmfPlayReport report;
    Play(QByteArray("not a metafile, not at all, really not"), {10, 10}, &report);
    EXPECT_FALSE(report.ok);
    // A metafile cut in its end record plays what comes before.
    const QByteArray whole =
        Picture([](EmfWriter& w) { Brush(w, 1, 0xFF), Rect(w, 0, 0, 100, 100); });
    const QImage cut = Play(whole.left(whole.size() - 10), {20, 20}, &report);
    EXPECT_TRUE(report.ok);
    EXPECT_EQ(cut.pixel(10, 10), qRgb(255, 0, 0));
}

} // namespace
