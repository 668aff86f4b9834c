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
            shape.m_x = e[0];
            shape.m_y = e[1];
            shape.m_width = e[2];
            shape.m_height = e[3];
            shape.m_lineWidth = INT_MAX;
            shape.m_radiusX = INT_MIN;
            shape.m_radiusY = INT_MAX;
            Exercise(shape);
        }
        CText text(0, 0, 1, -1, 0, QString(100000, QLatin1Char('w')), UnitConversion{});
        text.m_x = e[0];
        text.m_y = e[1];
        text.m_width = e[2];
        text.m_height = e[3];
        text.m_font.lfHeight = e[2];
        text.m_rotation = e[1];
        text.m_alignment = e[3];
        Exercise(text);

        CCirText cir({e[0], e[1]}, 0.0, 1e300, 0, QStringLiteral("abc"), 1, 1, UnitConversion{},
                     1.0f);
        cir.m_font.lfHeight = e[3];
        Exercise(cir);
        cir.m_circular = 0;
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
