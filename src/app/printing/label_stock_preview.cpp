#include "label_stock_preview.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kSheetMargin = 12; // pixels above and below the sheet
const QColor kBlue(0, 128, 192);
const QColor kLightGrey(192, 192, 192);
const QColor kGrey(128, 128, 128);
// The control's ground, darker than the grey sheet of a kind not printed so
// that sheet still shows.
const QColor kDarkGrey(64, 64, 64);
} // namespace

LabelStockPreview::LabelStockPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(100, 120);
}

int LabelStockPreview::MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const long long p = static_cast<long long>(a) * b;
    const long long q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
    const bool negative = (p < 0) != (c < 0);
    return static_cast<int>(std::clamp<long long>(negative ? -q : q, INT_MIN, INT_MAX));
}

void LabelStockPreview::ShowLabelStock(const QString& path, LabelStock* record) {
    m_record = record;
    m_file = IniDocument::Load(path);
    if (record)
        ReadLabelLayout(*record, path);
    UpdatePreviewRects();
    update();
}

QRect LabelStockPreview::SheetRect() const {
    const QRect client = rect().adjusted(0, kSheetMargin, 0, -kSheetMargin);
    const int pw = m_record ? m_record->paperWidth : 21500;
    const int ph = m_record ? m_record->paperHeight : 27900;
    const int width = MulDiv(client.height(), pw, ph);
    const int inset = (client.width() - width) / 2;
    return QRect(QPoint(client.left() + inset, client.top()),
                 QPoint(client.right() - inset, client.bottom()));
}

QRect LabelStockPreview::LabelRect(int slot) const {
    if (!m_record || slot < 0 || slot >= kMaxLabelSlots)
        return {};
    const StockRect& r = m_record->labels[size_t(slot)].previewRect;
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

void LabelStockPreview::UpdatePreviewRects() {
    if (!m_record)
        return;
    const QRect sheet = SheetRect();
    const int w = sheet.width(), h = sheet.height();
    const int pw = m_record->paperWidth, ph = m_record->paperHeight;
    for (int i = 0; i < std::min(m_record->labelCount, kMaxLabelSlots); ++i) {
        LabelSlot& slot = m_record->labels[size_t(i)];
        const QString section = QStringLiteral("label.%1").arg(i + 1);
        const int width = m_file.ReadInt(section, u"width", 0);
        const int height = m_file.ReadInt(section, u"height", 0);
        // The label keeps its own aspect ratio in the preview.
        const int x0 = sheet.left() + MulDiv(slot.stockRect.left, w, pw);
        const int y0 = sheet.top() + MulDiv(slot.stockRect.top, h, ph);
        const int pwidth = MulDiv(width, w, pw);
        const int pheight = MulDiv(pwidth, height, width);
        slot.previewRect = StockRect{x0, y0, x0 + pwidth, y0 + pheight};
    }
}

void LabelStockPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kDarkGrey);
    UpdatePreviewRects();
    const QRect sheet = SheetRect();
    const bool greySheet = m_clickable && m_record && m_record->printThisKind == 0;
    painter.fillRect(sheet, greySheet ? kGrey : QColor(Qt::white));
    if (!m_record || m_record->path.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int w = sheet.width(), h = sheet.height();
    const int pw = m_record->paperWidth, ph = m_record->paperHeight;
    for (int i = 0; i < std::min(m_record->labelCount, kMaxLabelSlots); ++i) {
        const LabelSlot& slot = m_record->labels[size_t(i)];
        const QString section = QStringLiteral("label.%1").arg(i + 1);
        QColor fill = Qt::white;
        if (m_clickable) {
            if (slot.source != m_record->kind || m_record->printThisKind != 1)
                fill = kLightGrey;
            else
                fill = slot.selected ? kBlue : QColor(Qt::white);
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill);
        const QRect label = LabelRect(i);
        const QString shape = m_file.ReadString(section, u"shape", QStringLiteral("unknow"));
        auto drawShape = [&](const QString& kind, const QRect& r) {
            if (kind.compare(u"rectangle", Qt::CaseInsensitive) == 0)
                painter.drawRect(r);
            else if (kind.compare(u"ellipse", Qt::CaseInsensitive) == 0)
                painter.drawEllipse(r);
        };
        drawShape(shape, label);
        const QString holeShape =
            m_file.ReadString(section, u"hole.1.shape", QStringLiteral("unknow"));
        const QRect hole(
            sheet.left() +
                MulDiv(slot.stockRect.left + m_file.ReadInt(section, u"hole.1.left", 0), w, pw),
            sheet.top() +
                MulDiv(slot.stockRect.top + m_file.ReadInt(section, u"hole.1.top", 0), h, ph),
            MulDiv(m_file.ReadInt(section, u"hole.1.width", 0), w, pw),
            MulDiv(m_file.ReadInt(section, u"hole.1.height", 0), h, ph));
        drawShape(holeShape, hole);
        for (int g = 1; g <= 2; ++g) {
            const QString key = QStringLiteral("guideline.%1.").arg(g);
            if (m_file.ReadString(section, key + QStringLiteral("shape"),
                                  QStringLiteral("unknow")) != u"line")
                continue;
            const QPoint a(
                sheet.left() + MulDiv(slot.stockRect.left +
                                          m_file.ReadInt(section, key + QStringLiteral("left"), 0),
                                      w, pw),
                sheet.top() + MulDiv(slot.stockRect.top +
                                         m_file.ReadInt(section, key + QStringLiteral("top"), 0),
                                     h, ph));
            const QPoint d(
                MulDiv(m_file.ReadInt(section, key + QStringLiteral("width"), 0), w, pw),
                MulDiv(m_file.ReadInt(section, key + QStringLiteral("height"), 0), h, ph));
            painter.drawLine(a, a + d);
        }
    }
}

void LabelStockPreview::mousePressEvent(QMouseEvent* event) {
    if (!m_clickable || !m_record || event->button() != Qt::LeftButton ||
        m_record->printThisKind == 0)
        return;
    const QPoint p = event->position().toPoint();
    bool changed = false;
    for (int i = 0; i < std::min(m_record->labelCount, kMaxLabelSlots); ++i) {
        LabelSlot& slot = m_record->labels[size_t(i)];
        if (slot.source == m_record->kind && LabelRect(i).contains(p)) {
            slot.selected = slot.selected ? 0 : 1;
            changed = true;
        }
    }
    if (changed) {
        update();
        Q_EMIT LabelsToggled();
    }
}
