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
#include "wmf_records.h"

#include <QPoint>

#include <climits>
#include <vector>

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
    // The window the picture's frame comes from: the last one set before the
    // first drawing record (a window set again before anything is drawn
    // replaces the earlier one), else the first one set after it.
    QPoint m_frameOrg{0, 0}, m_frameExt{0, 0};
    bool m_drawn = false;
};
