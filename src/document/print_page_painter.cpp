#include "print_page_painter.h"

#include "discwright_doc.h"
#include "face_renderer.h"
#include "labelstock/disc_tray_stock.h"
#include "objects/image.h"
#include "platform/device_context.h"
#include "platform/region.h"

namespace {
// The stock's label outlines in the print preview.
constexpr ColourRef kOutlineColour = Rgb(200, 200, 200);

// The stock's hole centred in label `r`, moved like the print, in device pixels.
CRegion HoleRegion(const CDeviceContext& dc, const StockRect& r, const LabelStock& stock, int ox,
                   int oy) {
    const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    const int hl = cx - stock.holeWidth / 2, ht = cy - stock.holeHeight / 2;
    const QRect hole =
        dc.DeviceRect(hl - ox, -ht - oy, hl + stock.holeWidth - ox, -ht - stock.holeHeight - oy);
    return CRegion::Ellipse(hole.left(), hole.top(), hole.right() + 1, hole.bottom() + 1);
}
} // namespace

PrintPagePainter::PrintPagePainter(CDiscwrightDoc& doc, const PrintSettings& settings)
    : m_doc(doc), m_settings(settings) {
}

void PrintPagePainter::PaintPage(CDeviceContext& dc, const PrintPage& page) {
    for (StockKind kind : page)
        PaintKind(dc, kind);
}

void PrintPagePainter::DrawOutlines(CDeviceContext& dc, const LabelStock& stock) {
    const Pen old = dc.SelectPen(Pen{PenStyle::Solid, 0, kOutlineColour});
    const Brush oldBrush = dc.SelectBrush(Brush::Null());
    for (int i = 0; i < std::min(stock.labelCount, kMaxLabelSlots); ++i) {
        const StockRect& r = stock.labels[size_t(i)].stockRect;
        if (stock.kind == kDiscKind)
            dc.Ellipse(r.left, -r.top, r.right, -r.bottom);
        else
            dc.Rectangle(r.left, -r.top, r.right, -r.bottom);
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(old);
}

void PrintPagePainter::PaintKind(CDeviceContext& dc, StockKind kind) {
    LabelStock& stock = StockOfKind(m_doc, kind);
    stock.printedInThisJob = 1;
    const bool disc = kind == StockKind::Disc;
    const bool tray = disc && IsDiscTrayStock(stock);
    // The alignment in hundredths of a millimetre. A disc in the tray has its
    // own correction (tenths, positive right and down) and is never stretched.
    const int ox = tray ? -10 * m_job.trayCorrectionX : 100 * m_settings.offsetX;
    const int oy = tray ? 10 * m_job.trayCorrectionY : 100 * m_settings.offsetY;
    const int ew = tray ? 0 : 100 * m_settings.expandWidth;
    const int eh = tray ? 0 : 100 * m_settings.expandHeight;
    const QPoint origin(ox, oy);
    for (int slot : UsableSlots(stock)) {
        const StockRect& r = stock.labels[size_t(slot)].stockRect;
        // The expanded label in page units (y up); halves truncate toward zero.
        const int l = r.left - ew / 2, t = -r.top + eh / 2;
        const int rr = r.right + ew / 2, b = -r.bottom - eh / 2;
        const QRect clipRect = dc.DeviceRect(l - ox, t - oy, rr - ox, b - oy);
        const QRect edges(clipRect.left(), clipRect.top(), clipRect.width(), clipRect.height());
        CRegion clip = disc ? CRegion::Ellipse(edges.left(), edges.top(), edges.right() + 1,
                                               edges.bottom() + 1)
                            : CRegion::Rectangle(edges.left(), edges.top(), edges.right() + 1,
                                                 edges.bottom() + 1);
        // On a sheet the hole is paper and may take ink; in the tray it is the
        // tray itself, so the hole is cut out, centred in the label.
        if (tray && stock.holeWidth > 0 && stock.holeHeight > 0)
            clip = CRegion::Combined(clip, HoleRegion(dc, r, stock, ox, oy),
                                     CRegion::Combine::Difference);
        dc.SelectClipRegion(&clip);
        PrintLabelFace(dc, origin, r, FaceOfSlot(m_doc, kind, slot));
        dc.SelectClipRegion(nullptr);

        const bool foldLines = kind == StockKind::Back && stock.printFoldLines != 0;
        if (stock.printBorder == 0 && !foldLines)
            continue;
        const Pen pen{m_settings.borderStyle == 1 ? PenStyle::Dash : PenStyle::Solid, 1,
                      m_settings.borderColour};
        const Pen old = dc.SelectPen(pen);
        const int bl = l - ox, bt = t - oy, br = rr - ox, bb = b - oy;
        if (stock.printBorder != 0) {
            if (disc) {
                const Brush oldBrush = dc.SelectBrush(Brush::Null());
                dc.Ellipse(bl, bt, br, bb);
                dc.SelectBrush(oldBrush);
            } else {
                dc.MoveTo(bl, bt);
                dc.LineTo(br, bt);
                dc.LineTo(br, bb);
                dc.LineTo(bl, bb);
                dc.LineTo(bl, bt);
            }
        }
        if (foldLines) {
            // The spine folds lie as far inside the printed label as the
            // editing view shows them on the face, stretched with it.
            const int inset =
                ScaleCoordinate(kFoldLineInset, float(r.Width() + ew) / float(r.Width()));
            for (int x : {bl + inset, br - inset}) {
                dc.MoveTo(x, bt);
                dc.LineTo(x, bb);
            }
        }
        dc.SelectPen(old);
    }
    // Over the print, so they show on dark designs too.
    if (m_labelOutlines)
        DrawOutlines(dc, stock);
}

void PrintPagePainter::PrintLabelFace(CDeviceContext& dc, QPoint origin, const StockRect& label,
                                      int faceId) {
    Face& face = m_doc.GetFace(faceId);
    // The tray's disc is never stretched (its face's kind is the disc's).
    const bool tray = faceId == kDiscFace && IsDiscTrayStock(m_doc.DiscStock());
    const int ew = tray ? 0 : 100 * m_settings.expandWidth;
    const int eh = tray ? 0 : 100 * m_settings.expandHeight;
    const int w = label.Width(), h = label.Height();
    RenderContext context = dc.Context();
    context.printScaleX = w != 0 ? float(w + ew) / float(w) : 1.0f;
    context.printScaleY = h != 0 ? float(h + eh) / float(h) : 1.0f;
    const RenderContext* previous = &dc.Context();
    dc.SetContext(&context);

    const int left = label.left - origin.x() - ew / 2;
    const int top = -label.top - origin.y() + eh / 2;
    const int right = label.right - origin.x() + ew / 2;
    const int bottom = -label.bottom - origin.y() - eh / 2;
    dc.FillRect(left, top, right, bottom, Brush::Solid(face.m_backgroundColour));
    if (CImage* background = face.Background())
        background->Draw(dc, left, top);
    for (const auto& object : face.Objects()) {
        object->SaveRect();
        object->Draw(dc, left, top);
    }
    dc.SetContext(previous);
}
