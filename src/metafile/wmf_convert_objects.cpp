// Objects and regions of the Windows metafile conversion: the object
// table's slots, pens, brushes, fonts, palettes, and regions drawn as
// rectangles.
#include "emf_records.h"
#include "platform/legacy_text.h"
#include "wmf_converter.h"

#include <algorithm>

// The Windows object table has at most this many slots.
constexpr int kMaxSlots = 65535;

int WmfConverter::NewSlot(Slot::Kind kind) {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].kind == Slot::Kind::Free) {
            m_slots[i] = {kind, {}};
            return int(i);
        }
    }
    if (m_slots.size() >= size_t(kMaxSlots) - 1)
        return -1;
    m_slots.push_back({kind, {}});
    return int(m_slots.size() - 1);
}

// Device-dependent pattern bitmaps and patterns that cannot be read are
// shown as a mid-grey fill, the average of a two-colour pattern.
void WmfConverter::SolidGreyBrush(int slot) {
    m_out.Begin(Emr::kCreateBrushIndirect);
    m_out.PutU32(uint32_t(slot) + 1);
    m_out.PutU32(Emf::kBsSolid);
    m_out.PutU32(0x808080);
    m_out.PutU32(0);
    m_out.End();
}

void WmfConverter::Region(int index, uint16_t function, int brush, int width, int height) {
    if (!ValidSlot(index) || m_slots[size_t(index)].kind != Slot::Kind::Region)
        return;
    // Region operations become rectangles in the region's brush (or, to
    // invert, in the inverting raster operation), with no outline.
    m_out.OneU32(Emr::kSaveDc, 0);
    m_out.OneU32(Emr::kSelectObject, Emf::kNullPen);
    if (function == Wmf::kInvertRegion)
        m_out.OneU32(Emr::kSetRop2, Emf::kR2Not);
    else if (ValidSlot(brush) && m_slots[size_t(brush)].kind == Slot::Kind::Object)
        m_out.OneU32(Emr::kSelectObject, uint32_t(brush) + 1);
    for (const EmfRect& r : m_slots[size_t(index)].rects) {
        if (function == Wmf::kFrameRegion) {
            // Four bands of the given width and height along the edges.
            const EmfRect bands[4] = {{r.left, r.top, r.right + 1, r.top + height + 1},
                                      {r.left, r.bottom - height, r.right + 1, r.bottom + 1},
                                      {r.left, r.top, r.left + width + 1, r.bottom + 1},
                                      {r.right - width, r.top, r.right + 1, r.bottom + 1}};
            for (const EmfRect& b : bands) {
                m_out.Begin(Emr::kRectangle);
                m_out.PutRect(b.left, b.top, b.right, b.bottom);
                m_out.End();
            }
            continue;
        }
        m_out.Begin(Emr::kRectangle);
        m_out.PutRect(r.left, r.top, r.right + 1, r.bottom + 1);
        m_out.End();
    }
    m_out.OneU32(Emr::kRestoreDc, uint32_t(-1));
}

void WmfConverter::ClipToRegion(int index) {
    m_out.Begin(Emr::kExtSelectClipRgn); // no region data: the whole picture
    m_out.PutU32(0);
    m_out.PutU32(Emf::kRgnCopy);
    m_out.End();
    if (!ValidSlot(index) || m_slots[size_t(index)].kind != Slot::Kind::Region)
        return;
    const auto& rects = m_slots[size_t(index)].rects;
    if (rects.empty()) {
        m_out.Begin(Emr::kIntersectClipRect);
        m_out.PutRect(0, 0, 0, 0);
        m_out.End();
        return;
    }
    // A clip of several rectangles is approximated by their union's bounds.
    EmfRect u = rects.front();
    for (const EmfRect& r : rects) {
        u.left = std::min(u.left, r.left);
        u.top = std::min(u.top, r.top);
        u.right = std::max(u.right, r.right);
        u.bottom = std::max(u.bottom, r.bottom);
    }
    m_out.Begin(Emr::kIntersectClipRect);
    m_out.PutRect(u.left, u.top, u.right, u.bottom);
    m_out.End();
}

// Selecting, deleting and creating objects.
bool WmfConverter::ObjectRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kSelectObject: {
        if (!Need(1))
            break;
        const int index = r.U16(6);
        if (!ValidSlot(index) || m_slots[size_t(index)].kind == Slot::Kind::Free)
            break;
        if (m_slots[size_t(index)].kind == Slot::Kind::Region)
            ClipToRegion(index);
        else
            m_out.OneU32(Emr::kSelectObject, uint32_t(index) + 1);
        break;
    }
    case Wmf::kDeleteObject: {
        if (!Need(1))
            break;
        const int index = r.U16(6);
        if (!ValidSlot(index) || m_slots[size_t(index)].kind == Slot::Kind::Free)
            break;
        if (m_slots[size_t(index)].kind == Slot::Kind::Object)
            m_out.OneU32(Emr::kDeleteObject, uint32_t(index) + 1);
        m_slots[size_t(index)] = {};
        break;
    }
    case Wmf::kCreatePenIndirect: { // style, width (x, y), colour
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        m_out.Begin(Emr::kCreatePen);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(r.U16(6));
        m_out.PutI32(r.I16(8));
        m_out.PutI32(0);
        m_out.PutU32(r.U32(12) & 0xFFFFFF);
        m_out.End();
        break;
    }
    case Wmf::kCreateBrushIndirect: { // style, colour, hatch
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        uint32_t style = r.U16(6);
        if (style != Emf::kBsSolid && style != Emf::kBsNull && style != Emf::kBsHatched)
            style = Emf::kBsSolid;
        m_out.Begin(Emr::kCreateBrushIndirect);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(style);
        m_out.PutU32(r.U32(8) & 0xFFFFFF);
        m_out.PutU32(r.U16(12));
        m_out.End();
        break;
    }
    case Wmf::kCreatePatternBrush: {
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        SolidGreyBrush(slot);
        break;
    }
    case Wmf::kDibCreatePatternBrush: { // style, usage, DIB
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        const RecordView dib = r.Sub(10, r.Size() > 10 ? r.Size() - 10 : 0);
        uint32_t head = 0;
        const uint32_t usage = r.U16(8);
        const uint64_t size = PackedDibSize(dib.Data(), dib.Size(), usage, &head);
        if (size == 0) {
            SolidGreyBrush(slot);
            break;
        }
        constexpr uint32_t kFixed = 32;
        m_out.Begin(Emr::kCreateDibPatternBrushPt);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(usage);
        m_out.PutU32(kFixed);
        m_out.PutU32(head);
        m_out.PutU32(kFixed + ((head + 3) & ~3u));
        m_out.PutU32(uint32_t(size - head));
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(dib.Data()), head));
        m_out.Align4();
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(dib.Data()) + head,
                                      qsizetype(size - head)));
        m_out.End();
        break;
    }
    case Wmf::kCreateFontIndirect: {
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        QByteArray face;
        for (uint64_t i = 24; i < 24 + 32 && r.Has(i, 1) && r.U8(i) != 0; ++i)
            face.append(char(r.U8(i)));
        m_out.Font(uint32_t(slot) + 1, P(0), P(1), P(2), P(3), P(4), r.U8(16), r.U8(17), r.U8(18),
                   r.U8(19), r.U8(23), DecodeWindows1252(face));
        break;
    }
    case Wmf::kCreatePalette: { // version, count, entries
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        const uint32_t count = r.Has(10, r.U16(8), 4) ? r.U16(8) : 0;
        m_out.Begin(Emr::kCreatePalette);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU16(0x0300);
        m_out.PutU16(count);
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(r.At(10)), count * 4));
        m_out.End();
        break;
    }
    case Wmf::kSelectPalette:
        if (Need(1) && ValidSlot(r.U16(6)) && m_slots[r.U16(6)].kind == Slot::Kind::Object)
            m_out.OneU32(Emr::kSelectPalette, uint32_t(r.U16(6)) + 1);
        break;
    case Wmf::kRealizePalette:
        m_out.Simple(Emr::kRealizePalette);
        break;
    default:
        break;
    }
    return true;
}

// Creating regions and filling, framing, painting or inverting them.
bool WmfConverter::RegionRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kCreateRegion: {
        const int slot = NewSlot(Slot::Kind::Region);
        if (slot < 0)
            return false;
        // nextInChain, objectType, objectCount, regionSize, scanCount,
        // maxScan, bounds, then the scans: count, top, bottom, count/2 pairs
        // of left and right, count again.
        const uint32_t scans = r.U16(16);
        uint64_t at = 28;
        auto& rects = m_slots[size_t(slot)].rects;
        for (uint32_t s = 0; s < scans && r.Has(at, 6); ++s) {
            const uint32_t count = r.U16(at);
            const int top = r.I16(at + 2), bottom = r.I16(at + 4);
            if (!r.Has(at + 6, uint64_t(count) + 1, 2))
                break;
            for (uint32_t i = 0; i + 1 < count; i += 2) {
                const int left = r.I16(at + 6 + 2 * uint64_t(i));
                const int right = r.I16(at + 8 + 2 * uint64_t(i));
                rects.push_back({left, top, right - 1, bottom - 1});
                Include(left, top);
                Include(right, bottom);
            }
            at += 6 + 2 * uint64_t(count) + 2;
        }
        if (scans == 0 && r.Has(20, 8)) { // a region given by its bounds only
            const EmfRect b{r.I16(20), r.I16(22), r.I16(24) - 1, r.I16(26) - 1};
            if (b.right >= b.left && b.bottom >= b.top)
                rects.push_back(b);
        }
        break;
    }
    case Wmf::kFillRegion: // region, brush
        if (Need(2))
            Region(r.U16(6), Wmf::kFillRegion, r.U16(8), 0, 0);
        break;
    case Wmf::kFrameRegion: // region, brush, height, width
        if (Need(4))
            Region(r.U16(6), Wmf::kFrameRegion, r.U16(8), P(3), P(2));
        break;
    case Wmf::kPaintRegion:
    case Wmf::kInvertRegion:
        if (Need(1))
            Region(r.U16(6), function, -1, 0, 0); // the brush selected now
        break;
    default:
        break;
    }
    return true;
}
