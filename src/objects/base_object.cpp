#include "base_object.h"

#include <algorithm>

const ArchiveClass& CBaseObject::StaticClass() {
    static const ArchiveClass cls{"CBaseObject", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CBaseObject); }};
    return cls;
}

void CBaseObject::Serialize(Archive& ar) {
    ar.Int(m_x);
    ar.Int(m_y);
    ar.Int(m_width);
    ar.Int(m_height);
    ar.Int(m_selected);
    ar.Int(m_locked);
    ar.Int(m_fromLayout);
}

bool CBaseObject::IntersectsRect(const LogicalRect& r) const {
    // Both rectangles normalised; right and bottom edges lie outside, as for
    // a rectangular region.
    const int left = std::min(m_x, m_x + m_width), right = std::max(m_x, m_x + m_width);
    const int top = std::min(m_y, m_y + m_height), bottom = std::max(m_y, m_y + m_height);
    if (left == right || top == bottom)
        return false; // an empty region meets nothing
    const int rl = std::min(r.left, r.right), rr = std::max(r.left, r.right);
    const int rt = std::min(r.top, r.bottom), rb = std::max(r.top, r.bottom);
    return rr > left && rl < right && rb > top && rt < bottom;
}

void CBaseObject::HandleCentres(float zoom, const UnitConversion& units,
                                QPoint (&centres)[8]) const {
    const QPoint lt = units.LogicalToDevice({Zoomed(m_x, zoom), Zoomed(m_y, zoom)});
    const QPoint rb =
        units.LogicalToDevice({Zoomed(m_x + m_width, zoom), Zoomed(m_y + m_height, zoom)});
    const int l = lt.x(), t = lt.y(), r = rb.x(), b = rb.y();
    const int mx = l + (r - l) / 2, my = t + (b - t) / 2;
    centres[0] = {l, t};
    centres[1] = {mx, t};
    centres[2] = {r, t};
    centres[3] = {r, my};
    centres[4] = {r, b};
    centres[5] = {mx, b};
    centres[6] = {l, b};
    centres[7] = {l, my};
}

int CBaseObject::HitTestHandle(QPoint p, float zoom, const UnitConversion& units) const {
    QPoint centres[8];
    HandleCentres(zoom, units, centres);
    for (int i = 0; i < 8; ++i) {
        const QPoint c = centres[i];
        // A 6 by 6 square around the centre; right and bottom edges excluded.
        if (p.x() >= c.x() - 3 && p.x() < c.x() + 3 && p.y() >= c.y() - 3 && p.y() < c.y() + 3)
            return i;
    }
    return -1;
}

bool CBaseObject::HitTest(int, int, float) const {
    return false;
}
