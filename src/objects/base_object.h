#pragma once

#include "platform/archive.h"
#include "platform/scaling.h"
#include "platform/unit_conversion.h"

#include <QPoint>

class CDeviceContext;

// The common base of everything placed on a face: position and size in the
// face's coordinates (hundredths of a millimetre, y up, so height is negative),
// and the editor's flags. Objects are owned by their face and deleted through the virtual
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

    // The eight handle centres in device pixels, in handle order.
    void HandleCentres(float zoom, const UnitConversion& units, QPoint (&centres)[8]) const;

    // Position and size. Change them inside an edit of the document
    // (CDiscwrightDoc::Edit), which records and shows the change.
    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Width() const { return m_width; }
    int Height() const { return m_height; } // negative: the bottom edge is Y() + Height()
    void SetX(int x) { m_x = x; }
    void SetY(int y) { m_y = y; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }
    void SetPosition(int x, int y) {
        m_x = x;
        m_y = y;
    }
    void SetRect(int x, int y, int width, int height) {
        m_x = x;
        m_y = y;
        m_width = width;
        m_height = height;
    }

    // The selected flag: written by the face that holds the object (and by
    // whoever builds an object before it joins a face); everyone else reads
    // the face's selection.
    int Selected() const { return m_selected; }
    void SetSelected(int selected) { m_selected = selected; }
    // Inserted from a layout file (replaced by the next layout insertion).
    int FromLayout() const { return m_fromLayout; }
    void SetFromLayout(int fromLayout) { m_fromLayout = fromLayout; }
    // Locked objects do not move with the mouse or the arrow keys.
    int Locked() const { return m_locked; }
    void SetLocked(int locked) { m_locked = locked; }

private:
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    int m_selected = 0;
    int m_fromLayout = 0;
    int m_locked = 0;
};

// A coordinate multiplied by a single-precision zoom and truncated toward zero.
// Products beyond the int range are clamped (see ScaleCoordinate).
inline int Zoomed(int v, float zoom) {
    return ScaleCoordinate(v, zoom);
}
