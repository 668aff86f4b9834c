#pragma once

// Conversion of a Windows metafile into an enhanced metafile: each Windows
// record becomes the enhanced record that does the same (argument order
// turned around, 16-bit values widened), the object table keeps its slots
// (enhanced handle = Windows slot + 1), and the picture's frame comes from
// the placeable header or the window extent. The records are handled by
// family (wmf_convert.cpp: state and clipping; wmf_convert_drawing.cpp:
// figures, text and bitmaps; wmf_convert_objects.cpp: objects and regions).
#include "emf_writer.h"
#include "metafile.h"
#include "metafile_record.h"

#include <QPoint>

#include <climits>
#include <vector>

// Windows metafile record functions.
enum WmfFunction : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kRealizePalette = 0x0035,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetRop2 = 0x0104,
    kSetPolyFillMode = 0x0106,
    kSetStretchBltMode = 0x0107,
    kRestoreDc = 0x0127,
    kInvertRegion = 0x012A,
    kPaintRegion = 0x012B,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kOffsetWindowOrg = 0x020F,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kOffsetClipRgn = 0x0220,
    kFillRegion = 0x0228,
    kSelectPalette = 0x0234,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kFrameRegion = 0x0429,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kSetDibToDev = 0x0D33,
    kStretchDib = 0x0F43,
};

struct Slot {
    enum class Kind { Free, Object, Region } kind = Kind::Free;
    std::vector<EmfRect> rects; // a region's rectangles, logical units
};

class WmfConverter {
public:
    explicit WmfConverter(const WindowsMetafile& wmf) : m_wmf(wmf) {}
    bool Run(QByteArray* emf, QString* error);

    // A handler of one record family; false only when the object table is
    // full. Records whose fixed parameters are not all there are left out.
    using Handler = bool (WmfConverter::*)(const RecordView& r, uint16_t function);

private:
    bool Record(const RecordView& r, uint16_t function);
    bool StateRecord(const RecordView& r, uint16_t function);
    bool ClipRecord(const RecordView& r, uint16_t function);
    bool FigureRecord(const RecordView& r, uint16_t function);
    bool TextRecord(const RecordView& r, uint16_t function);
    bool BitmapRecord(const RecordView& r, uint16_t function);
    bool ObjectRecord(const RecordView& r, uint16_t function);
    bool RegionRecord(const RecordView& r, uint16_t function);

    bool Need(uint32_t words) const { return m_rec.Size() - 6 >= words * 2; }
    int P(int k) const { return m_rec.I16(6 + 2 * uint64_t(k)); }
    QPoint Pt(int x, int y) {
        Include(x, y);
        return {x, y};
    }
    void Include(int x, int y) {
        m_minX = std::min(m_minX, x);
        m_minY = std::min(m_minY, y);
        m_maxX = std::max(m_maxX, x);
        m_maxY = std::max(m_maxY, y);
    }
    void Box(uint32_t type); // bottom, right, top, left
    void ArcLike(uint32_t type);
    bool Points(uint64_t offset, uint64_t count, std::vector<QPoint>* points);
    // A new object's slot: the lowest free one, as the Windows object table
    // gives them out. -1 when the table is full.
    int NewSlot(Slot::Kind kind);
    bool ValidSlot(int index) const { return index >= 0 && index < int(m_slots.size()); }
    void Dib(uint64_t offset, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys,
             uint32_t usage, uint32_t rop);
    void PatBlt(int x, int y, int cx, int cy, uint32_t rop);
    void Text(int x, int y, QByteArrayView bytes, uint32_t options, const EmfRect& rect,
              const std::vector<int32_t>& dx);
    void Region(int index, uint16_t function, int brush, int width, int height);
    void ClipToRegion(int index);
    void SolidGreyBrush(int slot);

    const WindowsMetafile& m_wmf;
    EmfWriter m_out;
    RecordView m_rec;
    std::vector<Slot> m_slots;
    int m_minX = INT_MAX, m_minY = INT_MAX, m_maxX = INT_MIN, m_maxY = INT_MIN;
    bool m_haveWindowOrg = false, m_haveWindowExt = false;
    QPoint m_windowOrg{0, 0};
    QPoint m_windowExt{1, 1};
    QPoint m_firstOrg{0, 0}, m_firstExt{0, 0};
};
