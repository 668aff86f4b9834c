#include "print_tray_alignment_sheet.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <cmath>

namespace {

constexpr double kCircleStepMm = 5.0;
constexpr double kTickStepMm = 0.5;
constexpr double kDiscHoleMm = 15.0; // the centre hole of every CD and DVD
constexpr int kResolution = 1200;

} // namespace

void PaintDiscTrayAlignment(QPainter& p, double pageMm, double dpmm, const QString& caption) {
    const double c = pageMm / 2;
    const auto dev = [dpmm](double x, double y) { return QPointF(x * dpmm, y * dpmm); };
    p.save();
    // Nothing lands in the disc's hole.
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, pageMm * dpmm, pageMm * dpmm));
    QPainterPath hole;
    hole.addEllipse(dev(c, c), kDiscHoleMm / 2 * dpmm, kDiscHoleMm / 2 * dpmm);
    p.setClipPath(outside.subtracted(hole));
    QPen pen(Qt::black);
    pen.setWidthF(0.08 * dpmm);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (double r = kCircleStepMm; r <= c; r += kCircleStepMm)
        p.drawEllipse(dev(c, c), r * dpmm, r * dpmm);
    // The centre cross across the whole page.
    p.drawLine(dev(0, c), dev(pageMm, c));
    p.drawLine(dev(c, 0), dev(c, pageMm));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, int(1.4 * dpmm)));
    p.setFont(font);
    // Scales along both axes: 0.5 mm ticks, longer every millimetre and five.
    const int steps = int(std::floor(c / kTickStepMm));
    for (int i = -steps; i <= steps; ++i) {
        const double at = i * kTickStepMm;
        const double tick = i % 10 == 0 ? 2.5 : (i % 2 == 0 ? 1.5 : 0.8);
        p.drawLine(dev(c + at, c - tick), dev(c + at, c + tick));
        p.drawLine(dev(c - tick, c + at), dev(c + tick, c + at));
        if (i != 0 && i % 10 == 0) {
            const QString number = QString::number(int(at));
            p.drawText(QRectF(dev(c + at - 2, c + 2.8), QSizeF(4 * dpmm, 2 * dpmm)),
                       Qt::AlignHCenter | Qt::AlignTop, number);
            p.drawText(QRectF(dev(c + 2.8, c + at - 1), QSizeF(6 * dpmm, 2 * dpmm)),
                       Qt::AlignLeft | Qt::AlignVCenter, number);
        }
    }
    font.setPixelSize(std::max(1, int(2.0 * dpmm)));
    p.setFont(font);
    p.drawText(QRectF(dev(c - 35, c + 12), QSizeF(70 * dpmm, 10 * dpmm)),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption);
    p.restore();
}

bool MakeDiscTrayAlignmentPdf(double pageMm, const TrayCorrection& correction,
                              const QString& caption, QByteArray* pdf, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Lumvane"));
        writer.setTitle(QStringLiteral("Disc Tray Alignment"));
        writer.setResolution(kResolution);
        const QPageSize size(QSizeF(pageMm, pageMm), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(),
                                         QPageLayout::Millimeter, QMarginsF()));
        QPainter painter(&writer);
        if (!painter.isActive()) {
            *error = QStringLiteral("the PDF writer could not start");
            return false;
        }
        const double dpmm = kResolution / 25.4;
        // Moved like every tray job on the queue, so the print shows what
        // is left to correct.
        painter.translate(correction.horizontal / 10.0 * dpmm, correction.vertical / 10.0 * dpmm);
        PaintDiscTrayAlignment(painter, pageMm, dpmm, caption);
    }
    *pdf = std::move(bytes);
    return true;
}
