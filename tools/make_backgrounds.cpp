// Paints Lumvane's gallery backgrounds: gradients, patterns and soft
// textures, each as a JPEG the size of the back insert (151 x 118 mm) at
// 300 dots per inch, quality 85. Seeded, so every run gives the same files.
// Usage: make_backgrounds OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 1783;  // 151 mm at 300 dpi
constexpr int kHeight = 1394; // 118 mm
constexpr int kDotsPerMetre = 11811;

void Linear(QPainter& p, QPointF from, QPointF to, std::initializer_list<QColor> colors) {
    QLinearGradient g(from, to);
    int i = 0;
    for (const QColor& c : colors)
        g.setColorAt(qreal(i++) / (colors.size() - 1), c);
    p.fillRect(0, 0, kWidth, kHeight, g);
}

void Radial(QPainter& p, QPointF centre, qreal radius, std::initializer_list<QColor> colors) {
    QRadialGradient g(centre, radius);
    int i = 0;
    for (const QColor& c : colors)
        g.setColorAt(qreal(i++) / (colors.size() - 1), c);
    p.fillRect(0, 0, kWidth, kHeight, g);
}

// Soft round lights of random size scattered over the picture.
void Bokeh(QPainter& p, quint32 seed, std::initializer_list<QColor> colors, int count) {
    QRandomGenerator random(seed);
    const QList<QColor> palette(colors);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(random.bounded(kWidth), random.bounded(kHeight));
        const qreal r = 40 + random.bounded(200);
        QColor color = palette[int(random.bounded(palette.size()))];
        QRadialGradient g(c, r);
        color.setAlpha(90);
        g.setColorAt(0, color);
        g.setColorAt(0.8, color);
        color.setAlpha(0);
        g.setColorAt(1, color);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

void Stripes(QPainter& p, const QColor& a, const QColor& b, int width, qreal angle) {
    p.fillRect(0, 0, kWidth, kHeight, a);
    p.save();
    p.translate(kWidth / 2.0, kHeight / 2.0);
    p.rotate(angle);
    for (int x = -kWidth * 2; x < kWidth * 2; x += width * 2)
        p.fillRect(QRectF(x, -kWidth * 2, width, kWidth * 4), b);
    p.restore();
}

void Dots(QPainter& p, const QColor& ground, const QColor& dot, int step, qreal radius) {
    p.fillRect(0, 0, kWidth, kHeight, ground);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (int row = 0; row * step < kHeight + step; ++row)
        for (int x = (row % 2) * step / 2; x < kWidth + step; x += step)
            p.drawEllipse(QPointF(x, row * step), radius, radius);
}

void Rays(QPainter& p, QPointF centre, const QColor& a, const QColor& b, int count) {
    p.fillRect(0, 0, kWidth, kHeight, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    for (int i = 0; i < count; ++i) {
        QPainterPath ray;
        ray.moveTo(centre);
        ray.arcTo(QRectF(centre.x() - 3000, centre.y() - 3000, 6000, 6000), i * 360.0 / count,
                  180.0 / count);
        ray.closeSubpath();
        p.drawPath(ray);
    }
}

void Waves(QPainter& p, std::initializer_list<QColor> bands) {
    const QList<QColor> colors(bands);
    p.fillRect(0, 0, kWidth, kHeight, colors.first());
    p.setPen(Qt::NoPen);
    for (int i = 1; i < colors.size(); ++i) {
        QPainterPath wave;
        const qreal base = kHeight * i / qreal(colors.size());
        wave.moveTo(0, kHeight);
        for (int x = 0; x <= kWidth; x += 8)
            wave.lineTo(x, base + 70 * qSin(x / 260.0 + i * 1.3) + 30 * qSin(x / 90.0 + i));
        wave.lineTo(kWidth, kHeight);
        wave.closeSubpath();
        p.setBrush(colors[i]);
        p.drawPath(wave);
    }
}

void Rings(QPainter& p, QPointF centre, const QColor& a, const QColor& b, int step) {
    p.fillRect(0, 0, kWidth, kHeight, a);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(b, step / 2.5));
    for (int r = step; r < 2400; r += step)
        p.drawEllipse(centre, r, r);
}

void Grid(QPainter& p, const QColor& ground, const QColor& line, int step) {
    p.fillRect(0, 0, kWidth, kHeight, ground);
    for (int i = 0; i * step < kWidth; ++i) {
        p.setPen(QPen(line, i % 5 == 0 ? 4 : 1.5));
        p.drawLine(i * step, 0, i * step, kHeight);
    }
    for (int i = 0; i * step < kHeight; ++i) {
        p.setPen(QPen(line, i % 5 == 0 ? 4 : 1.5));
        p.drawLine(0, i * step, kWidth, i * step);
    }
}

void Starfield(QPainter& p, quint32 seed) {
    Linear(p, {0, 0}, {0, kHeight}, {QColor(8, 10, 40), QColor(40, 20, 80), QColor(90, 40, 110)});
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const qreal r = 1 + random.bounded(4.0) * random.bounded(1.0);
        p.setBrush(QColor(255, 255, 240, 90 + random.bounded(165)));
        p.drawEllipse(QPointF(random.bounded(kWidth), random.bounded(kHeight)), r, r);
    }
}

// Fine paper: a pale ground with soft blotches and fibres.
void Paper(QPainter& p, quint32 seed, const QColor& ground) {
    p.fillRect(0, 0, kWidth, kHeight, ground);
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF c(random.bounded(kWidth), random.bounded(kHeight));
        const qreal r = 60 + random.bounded(240);
        QRadialGradient g(c, r);
        QColor shade = ground.darker(104 + random.bounded(6));
        shade.setAlpha(70);
        g.setColorAt(0, shade);
        shade.setAlpha(0);
        g.setColorAt(1, shade);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    for (int i = 0; i < 500; ++i) {
        QColor fibre = ground.darker(112);
        fibre.setAlpha(60);
        p.setPen(QPen(fibre, 1.2));
        const QPointF a(random.bounded(kWidth), random.bounded(kHeight));
        const qreal angle = random.bounded(2 * M_PI);
        const qreal length = 10 + random.bounded(30);
        p.drawLine(a, a + QPointF(length * qCos(angle), length * qSin(angle)));
    }
}

struct Background {
    const char* name;
    std::function<void(QPainter&)> paint;
};

QList<Background> Backgrounds() {
    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    return {
        {"ocean gradient",
         [](QPainter& p) {
             Linear(p, {0, 0}, {kWidth, kHeight},
                    {QColor(0x0b, 0x3d, 0x91), QColor(0x1f, 0xa3, 0xc8), QColor(0x9b, 0xe7, 0xe0)});
         }},
        {"sunset gradient",
         [](QPainter& p) {
             Linear(p, {0, 0}, {0, kHeight},
                    {QColor(0x2d, 0x1b, 0x5a), QColor(0xc8, 0x3c, 0x6e), QColor(0xf9, 0xa8, 0x3c)});
         }},
        {"mint gradient",
         [](QPainter& p) {
             Linear(p, {0, kHeight}, {kWidth, 0},
                    {QColor(0xd9, 0xf5, 0xe4), QColor(0x5c, 0xc0, 0x9a)});
         }},
        {"silver gradient",
         [](QPainter& p) {
             Linear(p, {0, 0}, {kWidth, 0},
                    {QColor(0x9a, 0xa3, 0xae), QColor(0xf0, 0xf3, 0xf6), QColor(0x8c, 0x96, 0xa2),
                     QColor(0xe4, 0xe8, 0xec)});
         }},
        {"spotlight",
         [centre](QPainter& p) {
             Radial(p, centre, 1100,
                    {QColor(0xff, 0xf4, 0xd6), QColor(0xc2, 0x7a, 0x2a), QColor(0x2a, 0x12, 0x06)});
         }},
        {"midnight glow",
         [](QPainter& p) {
             Radial(p, {kWidth * 0.3, kHeight * 0.3}, 1500,
                    {QColor(0x5a, 0x4f, 0xcf), QColor(0x1b, 0x16, 0x4a), QColor(0x05, 0x04, 0x14)});
         }},
        {"bokeh blue",
         [](QPainter& p) {
             Linear(p, {0, 0}, {0, kHeight}, {QColor(0x06, 0x14, 0x3a), QColor(0x10, 0x3a, 0x6e)});
             Bokeh(p, 7,
                   {QColor(0x7e, 0xc8, 0xff), QColor(0xb3, 0x9d, 0xff), QColor(0xff, 0xff, 0xff)},
                   120);
         }},
        {"bokeh gold",
         [](QPainter& p) {
             Linear(p, {0, 0}, {kWidth, kHeight},
                    {QColor(0x2a, 0x14, 0x04), QColor(0x5e, 0x30, 0x0c)});
             Bokeh(p, 11,
                   {QColor(0xff, 0xd2, 0x6a), QColor(0xff, 0x9e, 0x3d), QColor(0xff, 0xf1, 0xc8)},
                   140);
         }},
        {"candy stripes",
         [](QPainter& p) {
             Stripes(p, QColor(0xfd, 0xe8, 0xee), QColor(0xf6, 0xc1, 0xd1), 70, 35);
         }},
        {"navy stripes",
         [](QPainter& p) {
             Stripes(p, QColor(0x1a, 0x2b, 0x4c), QColor(0x22, 0x38, 0x62), 40, 0);
         }},
        {"polka dots",
         [](QPainter& p) { Dots(p, QColor(0xff, 0xf6, 0xe0), QColor(0xf2, 0x9c, 0x7a), 120, 26); }},
        {"halftone",
         [](QPainter& p) {
             p.fillRect(0, 0, kWidth, kHeight, QColor(0x12, 0x9a, 0xa8));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0x0c, 0x6f, 0x7a));
             for (int y = 0; y < kHeight + 40; y += 40)
                 for (int x = 0; x < kWidth + 40; x += 40)
                     p.drawEllipse(QPointF(x, y), 3 + 16.0 * x / kWidth, 3 + 16.0 * x / kWidth);
         }},
        {"sunburst",
         [](QPainter& p) {
             Rays(p, {kWidth / 2.0, kHeight * 1.1}, QColor(0xf9, 0xc7, 0x4f),
                  QColor(0xf5, 0xa6, 0x23), 36);
         }},
        {"waves",
         [](QPainter& p) {
             Waves(p, {QColor(0xe3, 0xf4, 0xfb), QColor(0xa7, 0xdc, 0xf0), QColor(0x5b, 0xb4, 0xd8),
                       QColor(0x23, 0x7f, 0xb4), QColor(0x10, 0x4a, 0x7c)});
         }},
        {"dune waves",
         [](QPainter& p) {
             Waves(p, {QColor(0xfb, 0xe9, 0xd0), QColor(0xf1, 0xc8, 0x93), QColor(0xdc, 0x9b, 0x5f),
                       QColor(0xb5, 0x6d, 0x3a)});
         }},
        {"vinyl grooves",
         [centre](QPainter& p) {
             Rings(p, centre, QColor(0x1c, 0x1c, 0x22), QColor(0x2c, 0x2c, 0x36), 18);
         }},
        {"ripples",
         [](QPainter& p) {
             Rings(p, {0, kHeight}, QColor(0xe9, 0xe4, 0xf7), QColor(0xd6, 0xcc, 0xf0), 60);
         }},
        {"graph paper",
         [](QPainter& p) { Grid(p, QColor(0xfb, 0xfd, 0xff), QColor(0xb5, 0xd3, 0xea), 48); }},
        {"starfield", [](QPainter& p) { Starfield(p, 3); }},
        {"parchment", [](QPainter& p) { Paper(p, 5, QColor(0xf4, 0xe9, 0xd2)); }},
    };
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_backgrounds OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    int written = 0;
    for (const Background& background : Backgrounds()) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMetre);
        image.setDotsPerMeterY(kDotsPerMetre);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            background.paint(p);
        }
        QImageWriter writer(
            out.filePath(QString::fromLatin1(background.name) + QStringLiteral(".jpg")), "jpeg");
        writer.setQuality(85);
        writer.setOptimizedWrite(true);
        if (!writer.write(image)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(writer.fileName()),
                         qPrintable(writer.errorString()));
            return 1;
        }
        ++written;
    }
    std::printf("%d backgrounds written to %s\n", written, qPrintable(out.path()));
    return 0;
}
