#pragma once

#include "platform/archive.h"
#include "platform/scaling.h"
#include "platform/unit_conversion.h"

#include <QPoint>

class CDeviceContext;

// The common base of everything placed on a face: position and size in the
// face's coordinates (hundredths of a millimetre, y up, so height is negative),
// the editor's flags, and the rectangle saved at the last draw for mouse
// tracking. Objects are owned by their face and deleted through the virtual
// destructor. Each kind writes the 28-byte base record first, then its own.
class CBaseObject : public ArchiveObject {
public:
    CBaseObject() = default;
    ~CBaseObject() override = default;

    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }

    // x, y, width, height, selected, then locked before from-layout.
    static constexpr int kBaseRecordSize = 28;
    void Serialize(Archive& ar) override;

    // Whether the rectangle `r` (logical units, unzoomed) meets this object's
    // rectangle.
    virtual bool IntersectsRect(const LogicalRect& r) const;
    // The resize handle 0-7 under `devicePoint` (pixels of the face canvas),
    // or -1. Handles 0, 1, 2 run along the top edge, 2, 3, 4 down the right,
    // 4, 5, 6 along the bottom and 6, 7, 0 up the left.
    virtual int HitTestHandle(QPoint devicePoint, float zoom, const UnitConversion& units) const;
    // Whether the point (zoomed logical units) hits the object.
    virtual bool HitTest(int x, int y, float zoom) const;
    // Paints the object offset by (dx, dy) logical units of `dc`, scaled by the
    // view zoom or, when `dc` is printing, the print scale of its render context.
    virtual void Draw(CDeviceContext& dc, int dx, int dy);
    // The selection frame on a pixel-mapped `dc` (the view's back buffer), offset
    // by (dx, dy) pixels, animated by the render context's step, and with the
    // eight resize handles when asked.
    virtual void DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const;

    // Whether resizing keeps the object's proportions (see
    // proportional_resize.h): pictures whose keep-aspect-ratio flag is set.
    virtual bool KeepsAspectRatio() const { return false; }

    // Copies the rectangle into the saved rectangle, the reference that
    // dragging measures from.
    void SaveRect() {
        m_savedX = m_x;
        m_savedY = m_y;
        m_savedWidth = m_width;
        m_savedHeight = m_height;
    }

    // The eight handle centres in device pixels, in handle order.
    void HandleCentres(float zoom, const UnitConversion& units, QPoint (&centres)[8]) const;

    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0; // negative: the bottom edge is m_y + m_height
    int m_selected = 0;
    int m_fromLayout = 0;
    int m_locked = 0;
    int m_savedX = 0;
    int m_savedY = 0;
    int m_savedWidth = 0;
    int m_savedHeight = 0;
};

// A coordinate multiplied by a single-precision zoom and truncated toward zero.
// Products beyond the int range are clamped (see ScaleCoordinate).
inline int Zoomed(int v, float zoom) {
    return ScaleCoordinate(v, zoom);
}
