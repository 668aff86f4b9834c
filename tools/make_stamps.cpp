// Draws Lumvane's gallery stamps and writes each as an enhanced metafile
// through our own recorder, so the stamps are vector pictures that stay
// sharp at any size. Usage: make_stamps OUTPUT_FOLDER
#include "metafile/emf_recorder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

constexpr int kSize = 200; // pixels at 96 dpi: about 53 mm

const QColor kInk(0x2b, 0x3a, 0x55);
const QColor kGold(0xf2, 0xb1, 0x34);
const QColor kRed(0xd6, 0x3d, 0x4a);
const QColor kBlue(0x3a, 0x7b, 0xd5);
const QColor kGreen(0x3c, 0xa5, 0x6b);
const QColor kPurple(0x8a, 0x4f, 0xc4);
const QColor kTeal(0x1f, 0xa3, 0xa8);
const QColor kOrange(0xef, 0x7d, 0x2d);

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 4) {
    p.setPen(outline > 0 ? QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Star(QPointF c, int points, qreal outer, qreal inner, qreal turn = -90) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = qDegreesToRadians(turn + i * 180.0 / points);
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Heart(QPointF c, qreal s) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.8);
    path.cubicTo(c.x() - s * 1.3, c.y() - s * 0.1, c.x() - s * 0.7, c.y() - s * 1.1, c.x(),
                 c.y() - s * 0.45);
    path.cubicTo(c.x() + s * 0.7, c.y() - s * 1.1, c.x() + s * 1.3, c.y() - s * 0.1, c.x(),
                 c.y() + s * 0.8);
    return path;
}

// A note head with its stem; flags add the tails of eighths and sixteenths.
void Note(QPainter& p, QPointF head, qreal h, int flags, const QColor& color) {
    QPainterPath body;
    QTransform t;
    t.translate(head.x(), head.y());
    t.rotate(-25);
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(0, 0), h * 0.62, h * 0.42);
    body = t.map(ellipse);
    body.addRect(QRectF(head.x() + h * 0.44, head.y() - h * 3.1, h * 0.16, h * 3.1));
    for (int i = 0; i < flags; ++i) {
        const qreal y = head.y() - h * 3.1 + i * h * 0.7;
        QPainterPath flag;
        flag.moveTo(head.x() + h * 0.6, y);
        flag.cubicTo(head.x() + h * 1.6, y + h * 0.6, head.x() + h * 1.5, y + h * 1.2,
                     head.x() + h * 1.1, y + h * 1.9);
        flag.cubicTo(head.x() + h * 1.3, y + h * 1.1, head.x() + h * 1.0, y + h * 0.8,
                     head.x() + h * 0.6, y + h * 0.55);
        flag.closeSubpath();
        body = body.united(flag);
    }
    Fill(p, body.simplified(), color, 3);
}

QPainterPath Arrow(qreal shaft, qreal head) {
    QPainterPath path;
    path.moveTo(20, 100 - shaft / 2);
    path.lineTo(120, 100 - shaft / 2);
    path.lineTo(120, 100 - head / 2);
    path.lineTo(182, 100);
    path.lineTo(120, 100 + head / 2);
    path.lineTo(120, 100 + shaft / 2);
    path.lineTo(20, 100 + shaft / 2);
    path.closeSubpath();
    return path;
}

QPainterPath Rotated(const QPainterPath& path, qreal degrees) {
    QTransform t;
    t.translate(100, 100);
    t.rotate(degrees);
    t.translate(-100, -100);
    return t.map(path);
}

QPainterPath Ring(QPointF c, qreal outer, qreal inner) {
    QPainterPath path;
    path.addEllipse(c, outer, outer);
    path.addEllipse(c, inner, inner);
    return path;
}

// A banner ribbon across the middle with folded ends.
void Banner(QPainter& p, const QColor& color, qreal curve) {
    const QColor dark = color.darker(140);
    for (int side : {-1, 1}) {
        QPainterPath end;
        const qreal x = 100 + side * 62;
        end.moveTo(x, 92 + curve * 0.4);
        end.lineTo(x + side * 34, 92 + curve * 0.4);
        end.lineTo(x + side * 22, 112 + curve * 0.4);
        end.lineTo(x + side * 34, 132 + curve * 0.4);
        end.lineTo(x, 132 + curve * 0.4);
        end.closeSubpath();
        Fill(p, end, dark);
    }
    QPainterPath band;
    band.moveTo(30, 80);
    band.quadTo(100, 80 + curve, 170, 80);
    band.lineTo(170, 120);
    band.quadTo(100, 120 + curve, 30, 120);
    band.closeSubpath();
    Fill(p, band, color);
}

void Rosette(QPainter& p, const QColor& color) {
    for (int side : {-1, 1}) {
        QPainterPath tail;
        tail.moveTo(100, 110);
        tail.lineTo(100 + side * 40, 186);
        tail.lineTo(100 + side * 22, 176);
        tail.lineTo(100 + side * 12, 192);
        tail.lineTo(100 - side * 10, 118);
        tail.closeSubpath();
        Fill(p, tail, color.darker(130));
    }
    Fill(p, Star({100, 82}, 16, 66, 54), color);
    Fill(p, QPainterPath(), Qt::white, 0);
    QPainterPath inner;
    inner.addEllipse(QPointF(100, 82), 42, 42);
    Fill(p, inner, Qt::white, 3);
    Fill(p, Star({100, 82}, 5, 30, 13), kGold, 3);
}

QPainterPath Frame(qreal radius, qreal width) {
    QPainterPath path;
    path.addRoundedRect(QRectF(14, 26, 172, 148), radius, radius);
    path.addRoundedRect(QRectF(14 + width, 26 + width, 172 - 2 * width, 148 - 2 * width),
                        qMax<qreal>(radius - width, 0), qMax<qreal>(radius - width, 0));
    return path;
}

struct Stamp {
    const char* name;
    std::function<void(QPainter&)> draw;
};

QList<Stamp> Stamps() {
    return {
        {"note eighth",
         [](QPainter& p) {
             Note(p, {80, 150}, 30, 1, kInk);
         }},
        {"note sixteenth",
         [](QPainter& p) {
             Note(p, {80, 152}, 30, 2, kPurple);
         }},
        {"note quarter",
         [](QPainter& p) {
             Note(p, {88, 150}, 30, 0, kBlue);
         }},
        {"notes beamed",
         [](QPainter& p) {
             Note(p, {52, 158}, 24, 0, kInk);
             Note(p, {128, 138}, 24, 0, kInk);
             QPainterPath beam;
             beam.moveTo(64, 78);
             beam.lineTo(140, 58);
             beam.lineTo(140, 76);
             beam.lineTo(64, 96);
             beam.closeSubpath();
             Fill(p, beam, kInk, 3);
         }},
        {"notes trio",
         [](QPainter& p) {
             Note(p, {40, 160}, 18, 1, kRed);
             Note(p, {92, 130}, 18, 1, kGold);
             Note(p, {144, 150}, 18, 1, kBlue);
         }},
        {"music staff",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 3));
             for (int i = 0; i < 5; ++i)
                 p.drawLine(QPointF(12, 60 + i * 20), QPointF(188, 60 + i * 20));
             Note(p, {60, 130}, 16, 1, kInk);
             Note(p, {110, 100}, 16, 0, kInk);
             Note(p, {155, 90}, 16, 1, kInk);
         }},
        {"vinyl record",
         [](QPainter& p) {
             QPainterPath disc;
             disc.addEllipse(QPointF(100, 100), 88, 88);
             Fill(p, disc, QColor(0x22, 0x22, 0x28));
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1.5));
             for (int r = 40; r < 84; r += 7)
                 p.drawEllipse(QPointF(100, 100), r, r);
             Fill(p, Ring({100, 100}, 32, 5), kRed, 2);
         }},
        {"compact disc",
         [](QPainter& p) {
             Fill(p, Ring({100, 100}, 88, 16), QColor(0xd8, 0xe2, 0xee));
             Fill(p, Ring({100, 100}, 34, 16), QColor(0xb8, 0xc6, 0xd8), 2);
             QPainterPath shine;
             shine.moveTo(100, 100);
             shine.arcTo(QRectF(12, 12, 176, 176), 20, 35);
             shine.closeSubpath();
             shine = shine.subtracted([] {
                 QPainterPath hole;
                 hole.addEllipse(QPointF(100, 100), 36, 36);
                 return hole;
             }());
             Fill(p, shine, QColor(0xf4, 0xe8, 0xff), 0);
         }},
        {"headphones",
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kInk, 12, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(QRectF(34, 30, 132, 140), 0, 180 * 16);
             for (int x : {24, 142}) {
                 QPainterPath cup;
                 cup.addRoundedRect(QRectF(x, 96, 34, 64), 14, 14);
                 Fill(p, cup, kRed);
             }
         }},
        {"microphone",
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(kInk, 8, Qt::SolidLine, Qt::RoundCap));
             p.drawArc(QRectF(56, 50, 88, 90), 180 * 16, 180 * 16);
             p.drawLine(QPointF(100, 140), QPointF(100, 172));
             p.drawLine(QPointF(72, 176), QPointF(128, 176));
             QPainterPath head;
             head.addRoundedRect(QRectF(74, 20, 52, 96), 26, 26);
             Fill(p, head, QColor(0xb8, 0xc0, 0xcc));
         }},
        {"speaker",
         [](QPainter& p) {
             QPainterPath box;
             box.addRoundedRect(QRectF(44, 14, 112, 172), 12, 12);
             Fill(p, box, kInk);
             Fill(p, Ring({100, 122}, 38, 12), QColor(0x8a, 0x9a, 0xb5), 3);
             QPainterPath tweeter;
             tweeter.addEllipse(QPointF(100, 52), 18, 18);
             Fill(p, tweeter, QColor(0x8a, 0x9a, 0xb5), 3);
         }},
        {"guitar pick",
         [](QPainter& p) {
             QPainterPath pick;
             pick.moveTo(100, 186);
             pick.cubicTo(60, 140, 14, 80, 30, 40);
             pick.cubicTo(50, 10, 150, 10, 170, 40);
             pick.cubicTo(186, 80, 140, 140, 100, 186);
             Fill(p, pick, kOrange);
         }},
        {"star gold",
         [](QPainter& p) {
             Fill(p, Star({100, 106}, 5, 90, 36), kGold);
         }},
        {"star red",
         [](QPainter& p) {
             Fill(p, Star({100, 106}, 5, 90, 44), kRed);
         }},
        {"star six",
         [](QPainter& p) {
             Fill(p, Star({100, 100}, 6, 90, 50), kBlue);
         }},
        {"star eight",
         [](QPainter& p) {
             Fill(p, Star({100, 100}, 8, 90, 40, -90), kPurple);
         }},
        {"star burst",
         [](QPainter& p) {
             Fill(p, Star({100, 100}, 18, 92, 66), kOrange);
         }},
        {"star outline",
         [](QPainter& p) {
             Fill(p, Star({100, 106}, 5, 90, 36).subtracted(Star({100, 106}, 5, 62, 25)), kTeal);
         }},
        {"stars cluster",
         [](QPainter& p) {
             Fill(p, Star({76, 116}, 5, 62, 25), kGold);
             Fill(p, Star({150, 56}, 5, 34, 14), kGold);
             Fill(p, Star({156, 150}, 5, 26, 10), kGold);
         }},
        {"shooting star",
         [](QPainter& p) {
             for (int i = 0; i < 3; ++i) {
                 QPainterPath tail;
                 tail.moveTo(128, 72 + i * 14);
                 tail.lineTo(20, 170 + i * 4 - 14);
                 tail.lineTo(22, 176 + i * 4 - 14);
                 tail.closeSubpath();
                 Fill(p, tail, QColor(kGold).lighter(110 + i * 10), 0);
             }
             Fill(p, Star({138, 66}, 5, 52, 21, -70), kGold);
         }},
        {"sparkle",
         [](QPainter& p) {
             Fill(p, Star({100, 100}, 4, 92, 20), kTeal);
             Fill(p, Star({160, 42}, 4, 28, 7), kTeal, 3);
         }},
        {"sun",
         [](QPainter& p) {
             Fill(p, Star({100, 100}, 14, 92, 64), kOrange);
             QPainterPath disc;
             disc.addEllipse(QPointF(100, 100), 52, 52);
             Fill(p, disc, kGold);
         }},
        {"moon",
         [](QPainter& p) {
             QPainterPath moon;
             moon.addEllipse(QPointF(100, 100), 82, 82);
             QPainterPath bite;
             bite.addEllipse(QPointF(140, 76), 70, 70);
             Fill(p, moon.subtracted(bite), kGold);
         }},
        {"heart",
         [](QPainter& p) {
             Fill(p, Heart({100, 104}, 80), kRed);
         }},
        {"hearts pair",
         [](QPainter& p) {
             Fill(p, Heart({74, 110}, 54), kRed);
             Fill(p, Heart({130, 92}, 46), QColor(0xf0, 0x7a, 0x9a));
         }},
        {"lightning",
         [](QPainter& p) {
             QPainterPath bolt;
             bolt.moveTo(118, 8);
             bolt.lineTo(44, 112);
             bolt.lineTo(92, 112);
             bolt.lineTo(74, 192);
             bolt.lineTo(158, 78);
             bolt.lineTo(108, 78);
             bolt.closeSubpath();
             Fill(p, bolt, kGold);
         }},
        {"flower",
         [](QPainter& p) {
             QPainterPath petals;
             for (int i = 0; i < 8; ++i) {
                 QPainterPath petal;
                 petal.addEllipse(QRectF(88, 14, 24, 86));
                 petals = petals.united(Rotated(petal, i * 45));
             }
             Fill(p, petals, QColor(0xf3, 0x9b, 0xc0));
             QPainterPath middle;
             middle.addEllipse(QPointF(100, 100), 24, 24);
             Fill(p, middle, kGold);
         }},
        {"leaf",
         [](QPainter& p) {
             QPainterPath leaf;
             leaf.moveTo(30, 170);
             leaf.cubicTo(20, 80, 90, 20, 176, 22);
             leaf.cubicTo(178, 110, 120, 180, 30, 170);
             Fill(p, leaf, kGreen);
             p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             QPainterPath vein;
             vein.moveTo(30, 170);
             vein.quadTo(90, 100, 164, 36);
             p.drawPath(vein);
         }},
        {"frame square", [](QPainter& p) { Fill(p, Frame(0, 14), kInk, 0); }},
        {"frame rounded", [](QPainter& p) { Fill(p, Frame(28, 12), kBlue); }},
        {"frame double",
         [](QPainter& p) {
             Fill(p, Frame(6, 6), kGold, 2);
             QPainterPath inner;
             inner.addRoundedRect(QRectF(30, 42, 140, 116), 4, 4);
             inner.addRoundedRect(QRectF(34, 46, 132, 108), 2, 2);
             Fill(p, inner, kGold, 2);
         }},
        {"frame oval",
         [](QPainter& p) {
             Fill(
                 p,
                 [] {
                     QPainterPath oval;
                     oval.addEllipse(QRectF(14, 30, 172, 140));
                     oval.addEllipse(QRectF(28, 44, 144, 112));
                     return oval;
                 }(),
                 kPurple);
         }},
        {"frame scalloped",
         [](QPainter& p) {
             QPainterPath outer;
             outer.addRoundedRect(QRectF(26, 38, 148, 124), 10, 10);
             for (int i = 0; i < 7; ++i)
                 for (int y : {38, 162})
                     outer.addEllipse(QPointF(32 + i * 22.6, y), 12, 12);
             for (int i = 0; i < 6; ++i)
                 for (int x : {26, 174})
                     outer.addEllipse(QPointF(x, 48 + i * 21), 12, 12);
             outer.setFillRule(Qt::WindingFill);
             QPainterPath hole;
             hole.addRoundedRect(QRectF(40, 52, 120, 96), 6, 6);
             Fill(p, outer.simplified().subtracted(hole), kTeal, 3);
         }},
        {"frame corners",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 10, Qt::SolidLine, Qt::SquareCap));
             p.setBrush(Qt::NoBrush);
             const QPointF c[] = {{20, 30}, {180, 30}, {180, 170}, {20, 170}};
             for (int i = 0; i < 4; ++i) {
                 const qreal dx = i == 0 || i == 3 ? 40 : -40;
                 const qreal dy = i < 2 ? 34 : -34;
                 p.drawLine(c[i], c[i] + QPointF(dx, 0));
                 p.drawLine(c[i], c[i] + QPointF(0, dy));
             }
         }},
        {"arrow right", [](QPainter& p) { Fill(p, Arrow(44, 110), kGreen); }},
        {"arrow up", [](QPainter& p) { Fill(p, Rotated(Arrow(44, 110), -90), kBlue); }},
        {"arrow double",
         [](QPainter& p) {
             QPainterPath path;
             path.moveTo(14, 100);
             path.lineTo(66, 46);
             path.lineTo(66, 78);
             path.lineTo(134, 78);
             path.lineTo(134, 46);
             path.lineTo(186, 100);
             path.lineTo(134, 154);
             path.lineTo(134, 122);
             path.lineTo(66, 122);
             path.lineTo(66, 154);
             path.closeSubpath();
             Fill(p, path, kOrange);
         }},
        {"arrow curved",
         [](QPainter& p) {
             QPainterPath path;
             path.moveTo(24, 170);
             path.cubicTo(24, 80, 70, 50, 130, 50);
             path.lineTo(130, 18);
             path.lineTo(186, 70);
             path.lineTo(130, 122);
             path.lineTo(130, 90);
             path.cubicTo(90, 90, 60, 110, 24, 170);
             Fill(p, path, kRed);
         }},
        {"chevrons",
         [](QPainter& p) {
             for (int i = 0; i < 3; ++i) {
                 QPainterPath c;
                 const qreal x = 18 + i * 56;
                 c.moveTo(x, 40);
                 c.lineTo(x + 30, 40);
                 c.lineTo(x + 80, 100);
                 c.lineTo(x + 30, 160);
                 c.lineTo(x, 160);
                 c.lineTo(x + 50, 100);
                 c.closeSubpath();
                 Fill(p, c, QColor(kTeal).lighter(100 + i * 20), 3);
             }
         }},
        {"ribbon banner", [](QPainter& p) { Banner(p, kRed, 0); }},
        {"ribbon arched", [](QPainter& p) { Banner(p, kBlue, -36); }},
        {"ribbon award", [](QPainter& p) { Rosette(p, kBlue); }},
        {"ribbon bookmark",
         [](QPainter& p) {
             QPainterPath mark;
             mark.moveTo(62, 10);
             mark.lineTo(138, 10);
             mark.lineTo(138, 190);
             mark.lineTo(100, 154);
             mark.lineTo(62, 190);
             mark.closeSubpath();
             Fill(p, mark, kPurple);
             Fill(p, Star({100, 66}, 5, 26, 11), kGold, 2);
         }},
    };
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_stamps OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    int written = 0;
    for (const Stamp& stamp : Stamps()) {
        EmfRecordingDevice device(QSize(kSize, kSize));
        {
            QPainter p(&device);
            p.setRenderHint(QPainter::Antialiasing);
            stamp.draw(p);
        }
        QFile file(out.filePath(QString::fromLatin1(stamp.name) + QStringLiteral(".emf")));
        if (!file.open(QIODevice::WriteOnly) || file.write(device.Metafile()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
        ++written;
    }
    std::printf("%d stamps written to %s\n", written, qPrintable(out.path()));
    return 0;
}
