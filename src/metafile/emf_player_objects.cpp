// The object table of the enhanced metafile player: pens, brushes, fonts
// and palettes, created, selected and deleted by handle or by stock id.
#include "emf_player_internal.h"

#include <uemf.h>

#include <cmath>

namespace {

Qt::BrushStyle Hatch(uint32_t hatch) {
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return Qt::HorPattern;
    case U_HS_VERTICAL:
        return Qt::VerPattern;
    case U_HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case U_HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case U_HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}
} // namespace

EmfObject* EmfPlayer::Object(uint32_t index) {
    return ValidIndex(index) ? &m_objects[index] : nullptr;
}

EmfObject& EmfPlayer::NewObject(uint32_t index) {
    m_objects[index] = EmfObject();
    return m_objects[index];
}

void EmfPlayer::SelectObject(uint32_t index) {
    if (index & U_STOCK_OBJECT) {
        switch (index) {
        case U_WHITE_BRUSH:
        case U_LTGRAY_BRUSH:
        case U_GRAY_BRUSH:
        case U_DKGRAY_BRUSH:
        case U_BLACK_BRUSH: {
            static const int kGrey[] = {255, 192, 128, 64, 0};
            const int g = kGrey[index - U_WHITE_BRUSH];
            m_s.brush = EmfBrush{false, QColor(g, g, g), Qt::SolidPattern, {}};
            break;
        }
        case U_NULL_BRUSH:
            m_s.brush = EmfBrush{true, Qt::white, Qt::SolidPattern, {}};
            break;
        case U_WHITE_PEN:
        case U_BLACK_PEN:
            m_s.pen = EmfPen();
            m_s.pen.colour = index == U_WHITE_PEN ? Qt::white : Qt::black;
            break;
        case U_NULL_PEN:
            m_s.pen = EmfPen();
            m_s.pen.null = true;
            break;
        case U_DEFAULT_PALETTE:
            m_s.palette.clear();
            break;
        default:
            if (index >= U_OEM_FIXED_FONT && index <= U_DEFAULT_GUI_FONT &&
                index != U_DEFAULT_PALETTE)
                m_s.font = EmfFont();
            break;
        }
        return;
    }
    const EmfObject* o = Object(index);
    if (!o)
        return;
    switch (o->kind) {
    case EmfObject::Kind::Pen:
        m_s.pen = o->pen;
        break;
    case EmfObject::Kind::Brush:
        m_s.brush = o->brush;
        break;
    case EmfObject::Kind::Font:
        m_s.font = o->font;
        break;
    case EmfObject::Kind::Palette:
        m_s.palette = o->palette;
        break;
    default:
        break;
    }
}

void EmfPlayer::CreatePen(const RecordView& r, bool extended) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Pen;
    EmfPen& p = o.pen;
    const uint32_t style = extended ? r.U32(28) : r.U32(12);
    const int32_t width = extended ? int32_t(r.U32(32)) : r.I32(16);
    p.colour = EmfColour(extended ? r.U32(40) : r.U32(24));
    const bool geometric = (style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC;
    p.width = std::abs(width);
    // A pen is one pixel wide when it is cosmetic or thinner than a unit.
    p.cosmetic = extended ? !geometric : width <= 1;
    if (extended && r.U32(36) == U_BS_NULL)
        p.null = true;
    switch (style & U_PS_STYLE_MASK) {
    case U_PS_DASH:
        p.style = Qt::DashLine;
        break;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        p.style = Qt::DotLine;
        break;
    case U_PS_DASHDOT:
        p.style = Qt::DashDotLine;
        break;
    case U_PS_DASHDOTDOT:
        p.style = Qt::DashDotDotLine;
        break;
    case U_PS_NULL:
        p.null = true;
        break;
    default:
        p.style = Qt::SolidLine;
        break;
    }
    switch (style & U_PS_ENDCAP_MASK) {
    case U_PS_ENDCAP_SQUARE:
        p.cap = Qt::SquareCap;
        break;
    case U_PS_ENDCAP_FLAT:
        p.cap = Qt::FlatCap;
        break;
    default:
        p.cap = Qt::RoundCap;
        break;
    }
    switch (style & U_PS_JOIN_MASK) {
    case U_PS_JOIN_BEVEL:
        p.join = Qt::BevelJoin;
        break;
    case U_PS_JOIN_MITER:
        p.join = Qt::MiterJoin;
        break;
    default:
        p.join = Qt::RoundJoin;
        break;
    }
}

void EmfPlayer::CreateBrush(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Brush;
    const uint32_t style = r.U32(12);
    o.brush.colour = EmfColour(r.U32(16));
    o.brush.null = style == U_BS_NULL;
    if (style == U_BS_HATCHED)
        o.brush.style = Hatch(r.U32(20));
}

void EmfPlayer::CreatePatternBrush(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Brush;
    o.brush.pattern = Dib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28), r.U32(12));
    if (o.brush.pattern.isNull())
        o.brush.colour = QColor(128, 128, 128);
}

void EmfPlayer::CreateFont(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index) || !r.Has(12, 92))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Font;
    EmfFont& f = o.font;
    f.height = r.I32(12);
    f.width = r.I32(16);
    f.escapement = r.I32(20);
    f.weight = r.I32(28);
    f.italic = r.U8(32) != 0;
    f.underline = r.U8(33) != 0;
    f.strikeOut = r.U8(34) != 0;
    f.charSet = r.U8(35);
    QString face;
    for (uint64_t i = 0; i < 32; ++i) {
        const uint16_t c = r.U16(40 + 2 * i);
        if (c == 0)
            break;
        face.append(QChar(c));
    }
    if (!face.isEmpty())
        f.face = face;
}

void EmfPlayer::CreatePalette(const RecordView& r) {
    const uint32_t index = r.U32(8);
    const uint32_t count = r.U16(14);
    if (!ValidIndex(index) || !r.Has(16, count, 4))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Palette;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = 16 + 4 * uint64_t(i);
        o.palette.push_back(qRgb(r.U8(at), r.U8(at + 1), r.U8(at + 2)));
    }
}

// Creating, selecting and deleting objects.
bool EmfPlayer::ObjectRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case U_EMR_SELECTOBJECT:
        SelectObject(r.U32(8));
        return true;
    case U_EMR_SELECTPALETTE:
        SelectObject(r.U32(8));
        return true;
    case U_EMR_DELETEOBJECT:
        if (ValidIndex(r.U32(8)))
            m_objects[r.U32(8)] = EmfObject();
        return true;
    case U_EMR_CREATEPEN:
        CreatePen(r, false);
        return true;
    case U_EMR_EXTCREATEPEN:
        CreatePen(r, true);
        return true;
    case U_EMR_CREATEBRUSHINDIRECT:
        CreateBrush(r);
        return true;
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
        CreatePatternBrush(r);
        return true;
    case U_EMR_EXTCREATEFONTINDIRECTW:
        CreateFont(r);
        return true;
    case U_EMR_CREATEPALETTE:
        CreatePalette(r);
        return true;
    default:
        return false;
    }
}
