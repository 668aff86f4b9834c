#include "draw_support.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"

#include <QElapsedTimer>

#include <climits>

#include <gtest/gtest.h>

namespace {
// Runs every drawing and testing operation of an object at a few zooms.
void Exercise(CBaseObject& object) {
    for (float zoom : {0.4f, 1.0f, 2.0f}) {
        RenderContext context = AtZoom(zoom);
        QImage canvas(200, 200, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            CDeviceContext dc(canvas, &context);
            dc.SetMapMode(MapMode::HiMetric);
            object.Draw(dc, 0, 0);
        }
        QImage buffer(200, 200, QImage::Format_RGB32);
        buffer.fill(Qt::white);
        {
            CDeviceContext dc(buffer, &context);
            object.DrawTracker(dc, 20, 20, true);
        }
        object.HitTest(0, 0, zoom);
        object.HitTest(INT_MAX, INT_MIN, zoom);
        object.HitTestHandle({0, 0}, zoom, UnitConversion{});
        object.IntersectsRect({INT_MIN, INT_MAX, INT_MAX, INT_MIN});
    }
}
} // namespace

TEST(DrawingRobustness, AbsurdFieldsNeitherCrashNorHang) {
    QElapsedTimer timer;
    timer.start();
    const int extremes[][4] = {
        {INT_MAX, INT_MIN, INT_MAX, INT_MIN},
        {INT_MIN, INT_MAX, INT_MIN, INT_MAX},
        {0, 0, 0, 0},
        {100, -100, -5000, 5000},
        {-1'000'000'000, 1'000'000'000, 2'000'000'000, -2'000'000'000},
    };
    for (const auto& e : extremes) {
        for (int kind = -1; kind <= 4; ++kind) {
            CShape shape(0, 0, 1, -1, kind, 0x123456, 0x654321);
            shape.SetX(e[0]);
            shape.SetY(e[1]);
            shape.SetWidth(e[2]);
            shape.SetHeight(e[3]);
            shape.SetLineWidth(INT_MAX);
            shape.SetRadii(INT_MIN, INT_MAX);
            Exercise(shape);
        }
        CText text(0, 0, 1, -1, 0, QString(100000, QLatin1Char('w')), UnitConversion{});
        text.SetX(e[0]);
        text.SetY(e[1]);
        text.SetWidth(e[2]);
        text.SetHeight(e[3]);
        {
            LOGFONTA font = text.Font();
            font.lfHeight = e[2];
            text.SetFont(font);
        }
        text.SetRotation(e[1]);
        text.SetAlignment(e[3]);
        Exercise(text);

        CCirText cir({e[0], e[1]}, 0.0, 1e300, 0, QStringLiteral("abc"), 1, 1, UnitConversion{},
                     1.0f);
        {
            LOGFONTA font = cir.Font();
            font.lfHeight = e[3];
            cir.SetFont(font);
        }
        Exercise(cir);
        cir.SetCircular(0);
        Exercise(cir);
    }
    CCirText longText({3000, -3000}, 2000.0, 45.0, 0, QString(5000, QLatin1Char('x')), 1, 1,
                      UnitConversion{}, 1.0f);
    Exercise(longText);
    CCirText empty({0, 0}, 0.0, 0.0, 0, QString(), 1, 0, UnitConversion{}, 1.0f);
    Exercise(empty);
    CText emptyText(0, 0, 1000, -1000, 0, QString(), UnitConversion{});
    Exercise(emptyText);
    EXPECT_LT(timer.elapsed(), 60000);
}
