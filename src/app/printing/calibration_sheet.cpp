#include "calibration_sheet.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double kRulerHalf = 6.0; // mm either side of the edge

// Ruler across an edge at `at` (mm); `horizontal` rulers run along x. Marks
// every millimetre, longer every fifth, numbered with `sign` times the
// distance from the edge, so the number the die-cut crosses is the reading.
void DrawRuler(QPainter& p, double dpmm, QPointF at, bool horizontal, int sign) {
    auto dev = [dpmm](QPointF mm) { return QPointF(mm.x() * dpmm, mm.y() * dpmm); };
    const QPointF along = horizontal ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF across = horizontal ? QPointF(0, 1) : QPointF(1, 0);
    p.drawLine(dev(at - along * kRulerHalf), dev(at + along * kRulerHalf));
    for (int i = -int(kRulerHalf); i <= int(kRulerHalf); ++i) {
        const double tick = i == 0 ? 3.0 : (i % 5 == 0 ? 2.0 : 1.0);
        const QPointF base = at + along * double(i);
        p.drawLine(dev(base - across * tick), dev(base + across * tick));
        if (i % 2 == 0) {
            const QPointF textAt = dev(base + across * (tick + 0.6));
            const QString number = QString::number(sign * i);
            const QRectF box(textAt - QPointF(2.0 * dpmm, 0), QSizeF(4.0 * dpmm, 2.2 * dpmm));
            p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, number);
        }
    }
}

} // namespace

void PaintCalibrationSheet(QPainter& p, const LabelStock& stock, double dpmm) {
    QPen pen(Qt::black);
    pen.setWidthF(0.1 * dpmm);
    p.setPen(pen);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, int(1.6 * dpmm)));
    p.setFont(font);
    auto dev = [dpmm](double mm) { return mm * dpmm; };
    for (int i = 0; i < std::min(stock.labelCount, kMaxLabelSlots); ++i) {
        const LabelSlot& slot = stock.labels[size_t(i)];
        const QRectF r(slot.stockRect.left / 100.0, slot.stockRect.top / 100.0,
                       slot.stockRect.Width() / 100.0, slot.stockRect.Height() / 100.0);
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        const QPointF c = r.center();
        p.drawLine(QPointF(dev(c.x() - 10), dev(c.y())), QPointF(dev(c.x() + 10), dev(c.y())));
        p.drawLine(QPointF(dev(c.x()), dev(c.y() - 10)), QPointF(dev(c.x()), dev(c.y() + 10)));
        // Horizontal readings grow to the left, vertical ones downwards: the
        // numbers read are then the values to type.
        DrawRuler(p, dpmm, QPointF(r.left(), c.y()), true, -1);
        DrawRuler(p, dpmm, QPointF(r.right(), c.y()), true, -1);
        DrawRuler(p, dpmm, QPointF(c.x(), r.top()), false, 1);
        DrawRuler(p, dpmm, QPointF(c.x(), r.bottom()), false, 1);
        p.drawText(QRectF(dev(c.x() + 1), dev(c.y() + 1), dev(30), dev(4)),
                   QCoreApplication::translate("CalibrationSheet", "label %1").arg(i + 1));
    }
    const QString text =
        QCoreApplication::translate(
            "CalibrationSheet",
            "Lumvane calibration sheet for \"%1\", printed without alignment. Print it on the "
            "label "
            "stock and read, on each ruler, the number where the label's die-cut edge crosses it "
            "(hold the sheet against the light). With L, R the left and right readings and T, B "
            "the "
            "top and bottom ones, enter in Settings > Printer Alignment: Horizontal = (L + R) / 2, "
            "Vertical = (T + B) / 2, Width = L - R, Height = B - T (whole millimetres).")
            .arg(stock.name);
    QFont small = font;
    small.setPixelSize(std::max(1, int(2.6 * dpmm)));
    p.setFont(small);
    const double width = stock.paperWidth / 100.0;
    p.drawText(QRectF(dev(8), dev(4), dev(width - 16), dev(16)), Qt::TextWordWrap, text);
}

bool PrintCalibrationSheetOn(QPrinter& printer, const LabelStock& stock, QString* error) {
    const QPageSize size(QSizeF(stock.paperWidth / 100.0, stock.paperHeight / 100.0),
                         QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QCoreApplication::translate("CalibrationSheet",
                                             "The printer \"%1\" could not start printing.")
                     .arg(printer.printerName());
        return false;
    }
    PaintCalibrationSheet(painter, stock, printer.resolution() / 25.4);
    return true;
}
