#include "emf_player.h"

#include "emf_player_internal.h"
#include "emf_record_check.h"
#include "emf_records.h"
#include "platform/device_context.h"

#include <cmath>

namespace {

// More objects than this in one picture are refused (the table is sized
// from the header).
constexpr uint32_t kMaxObjects = 65535;

} // namespace

EmfPlayer::EmfPlayer(QPainter& painter, QByteArrayView emf, const QRectF& target)
    : m_painter(painter),
      m_data(reinterpret_cast<const uint8_t*>(emf.data()), uint32_t(emf.size())), m_target(target) {
}

EmfPlayReport EmfPlayer::Play() {
    EmfPlayReport report;
    if (!LooksLikeEnhancedMetafile(QByteArrayView(reinterpret_cast<const char*>(m_data.Data()),
                                                  qsizetype(m_data.Size()))) ||
        m_data.U32(4) < 88 || m_data.U32(4) > m_data.Size() || m_target.isEmpty())
        return report;
    const EmfHeader h = ParseEmfHeader(
        QByteArrayView(reinterpret_cast<const char*>(m_data.Data()), qsizetype(m_data.Size())));
    if (h.deviceWidth > 0 && h.deviceHeight > 0 && h.millimetresWidth > 0 &&
        h.millimetresHeight > 0) {
        m_refPerMmX = double(h.deviceWidth) / h.millimetresWidth;
        m_refPerMmY = double(h.deviceHeight) / h.millimetresHeight;
        m_refMillimetres = QSizeF(h.millimetresWidth, h.millimetresHeight);
    }
    // The frame (inclusive, 0.01 mm) in reference pixels; the bounds when
    // the frame is empty.
    QRectF frame(h.frame.left * m_refPerMmX / 100, h.frame.top * m_refPerMmY / 100,
                 (double(h.frame.Width()) + 1) * m_refPerMmX / 100,
                 (double(h.frame.Height()) + 1) * m_refPerMmY / 100);
    if (h.frame.Width() <= 0 || h.frame.Height() <= 0)
        frame = QRectF(h.bounds.left, h.bounds.top, double(h.bounds.Width()) + 1,
                       double(h.bounds.Height()) + 1);
    if (frame.width() <= 0 || frame.height() <= 0 || !std::isfinite(frame.width()) ||
        !std::isfinite(frame.height()))
        return report;
    m_playback = QTransform::fromTranslate(-frame.left(), -frame.top()) *
                 QTransform::fromScale(m_target.width() / frame.width(),
                                       m_target.height() / frame.height()) *
                 QTransform::fromTranslate(m_target.left(), m_target.top());
    m_objects.resize(std::min<uint32_t>(std::max<uint32_t>(h.handles, 1), kMaxObjects));

    m_painter.save();
    m_painter.resetTransform();
    m_targetClip.addRect(m_target);
    if (m_painter.hasClipping())
        m_targetClip = m_targetClip.intersected(m_painter.clipPath());
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);

    uint64_t pos = 0;
    while (pos + 8 <= m_data.Size()) {
        const uint32_t type = m_data.U32(pos), size = m_data.U32(pos + 4);
        if (size < 8 || size % 4 != 0 || size > m_data.Size() - pos)
            break; // the rest of the data cannot be walked
        const RecordView rec = m_data.Sub(pos, size);
        pos += size;
        if (type == Emr::kEof)
            break;
        // The record's own sizes, counts and offsets are checked first.
        const bool safe = CheckEmfRecord(rec);
        if (safe && Record(type, rec))
            ++report.played;
        else
            ++report.skipped;
    }
    m_painter.restore();
    report.ok = true;
    return report;
}

// --- Mapping ---

QTransform EmfPlayer::Page() const {
    const QPointF& we = m_s.windowExt;
    const QPointF& ve = m_s.viewportExt;
    const double sx = we.x() != 0 ? ve.x() / we.x() : 1, sy = we.y() != 0 ? ve.y() / we.y() : 1;
    return QTransform::fromTranslate(-m_s.windowOrg.x(), -m_s.windowOrg.y()) *
           QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(m_s.viewportOrg.x(), m_s.viewportOrg.y());
}

void EmfPlayer::SetMapMode(uint32_t mode) {
    if (mode < Emf::kMmText || mode > Emf::kMmAnisotropic)
        return;
    m_s.mapMode = mode;
    // Units per millimetre of the fixed modes; y grows upward in them.
    double perMm = 0;
    switch (mode) {
    case Emf::kMmLoMetric:
        perMm = 10;
        break;
    case Emf::kMmHiMetric:
        perMm = 100;
        break;
    case Emf::kMmLoEnglish:
        perMm = 100 / 25.4;
        break;
    case Emf::kMmHiEnglish:
        perMm = 1000 / 25.4;
        break;
    case Emf::kMmTwips:
        perMm = 1440 / 25.4;
        break;
    case Emf::kMmText:
        m_s.windowExt = m_s.viewportExt = {1, 1};
        return;
    default:
        return; // isotropic and anisotropic keep the extents they have
    }
    m_s.windowExt = {m_refMillimetres.width() * perMm, m_refMillimetres.height() * perMm};
    m_s.viewportExt = {m_refMillimetres.width() * m_refPerMmX,
                       -m_refMillimetres.height() * m_refPerMmY};
}

void EmfPlayer::FixExtents() {
    if (m_s.mapMode != Emf::kMmIsotropic || m_s.windowExt.x() == 0 || m_s.windowExt.y() == 0)
        return;
    // Equal scales on both axes: the smaller one wins, signs are kept.
    const double sx = std::abs(m_s.viewportExt.x() / m_s.windowExt.x());
    const double sy = std::abs(m_s.viewportExt.y() / m_s.windowExt.y());
    const double s = std::min(sx, sy);
    m_s.viewportExt = {std::copysign(std::abs(m_s.windowExt.x()) * s, m_s.viewportExt.x()),
                       std::copysign(std::abs(m_s.windowExt.y()) * s, m_s.viewportExt.y())};
}

double EmfPlayer::DeviceScale() const {
    const QTransform t = Full();
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

// --- Clipping ---

QPainterPath EmfPlayer::DeviceRect(int32_t l, int32_t t, int32_t r, int32_t b) const {
    QPainterPath p;
    p.addRect(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
    return Full().map(p);
}

void EmfPlayer::CombineClip(const QPainterPath& device, uint32_t mode) {
    const QPainterPath current = m_s.clip ? *m_s.clip : m_targetClip;
    switch (mode) {
    case Emf::kRgnAnd:
        m_s.clip = current.intersected(device);
        break;
    case Emf::kRgnOr:
        m_s.clip = current.united(device);
        break;
    case Emf::kRgnXor:
        m_s.clip = current.united(device).subtracted(current.intersected(device));
        break;
    case Emf::kRgnDiff:
        m_s.clip = current.subtracted(device);
        break;
    default:
        m_s.clip = device;
        break;
    }
    m_clipDirty = true;
}

bool EmfPlayer::RegionPath(const RecordView& r, uint64_t offset, uint64_t size,
                           const QTransform& map, QPainterPath* out) const {
    // RGNDATAHEADER: dwSize, iType, nCount, nRgnSize, rcBound; then the rectangles.
    const RecordView data = r.Sub(offset, size);
    const uint32_t count = data.U32(8);
    if (data.Size() < 32 || !data.Has(32, count, 16))
        return false;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = 32 + 16 * uint64_t(i);
        path.addRect(QRectF(QPointF(data.I32(at), data.I32(at + 4)),
                            QPointF(data.I32(at + 8), data.I32(at + 12))));
    }
    *out = map.map(path);
    return true;
}

EmfPlayReport PlayEnhMetaFile(QPainter& painter, QByteArrayView emf, const QRectF& target) {
    if (!painter.isActive())
        return {};
    return EmfPlayer(painter, emf, target).Play();
}

EmfPlayReport PlayEnhMetaFile(CDeviceContext& dc, QByteArrayView emf, const QRectF& target) {
    return PlayEnhMetaFile(dc.Painter(), emf, target);
}
