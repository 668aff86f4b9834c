// The object table of the enhanced metafile player: pens, brushes, fonts
// and palettes, created, selected and deleted by handle or by stock id.
#include "emf_player_internal.h"
#include "emf_records.h"

#include <cmath>

namespace {

Qt::BrushStyle Hatch(uint32_t hatch) {
    switch (hatch) {
    case Emf::kHsHorizontal:
        return Qt::HorPattern;
    case Emf::kHsVertical:
        return Qt::VerPattern;
    case Emf::kHsFDiagonal:
        return Qt::FDiagPattern;
    case Emf::kHsBDiagonal:
        return Qt::BDiagPattern;
    case Emf::kHsCross:
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
    if (index & Emf::kStockObject) {
        switch (index) {
        case Emf::kWhiteBrush:
        case Emf::kLtGrayBrush:
        case Emf::kGrayBrush:
        case Emf::kDkGrayBrush:
        case Emf::kBlackBrush: {
            static const int kGrey[] = {255, 192, 128, 64, 0};
            const int g = kGrey[index - Emf::kWhiteBrush];
            m_s.brush = EmfBrush{false, QColor(g, g, g), Qt::SolidPattern, {}};
            break;
        }
        case Emf::kNullBrush:
            m_s.brush = EmfBrush{true, Qt::white, Qt::SolidPattern, {}};
            break;
        case Emf::kWhitePen:
        case Emf::kBlackPen:
            m_s.pen = EmfPen();
            m_s.pen.colour = index == Emf::kWhitePen ? Qt::white : Qt::black;
            break;
        case Emf::kNullPen:
            m_s.pen = EmfPen();
            m_s.pen.null = true;
            break;
        case Emf::kDefaultPalette:
            m_s.palette.clear();
            break;
        default:
            if (index >= Emf::kOemFixedFont && index <= Emf::kDefaultGuiFont &&
                index != Emf::kDefaultPalette)
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
    const bool geometric = (style & Emf::kPsTypeMask) == Emf::kPsGeometric;
    p.width = std::abs(width);
    // A pen is one pixel wide when it is cosmetic or thinner than a unit.
    p.cosmetic = extended ? !geometric : width <= 1;
    if (extended && r.U32(36) == Emf::kBsNull)
        p.null = true;
    switch (style & Emf::kPsStyleMask) {
    case Emf::kPsDash:
        p.style = Qt::DashLine;
        break;
    case Emf::kPsDot:
    case Emf::kPsAlternate:
        p.style = Qt::DotLine;
        break;
    case Emf::kPsDashDot:
        p.style = Qt::DashDotLine;
        break;
    case Emf::kPsDashDotDot:
        p.style = Qt::DashDotDotLine;
        break;
    case Emf::kPsNull:
        p.null = true;
        break;
    default:
        p.style = Qt::SolidLine;
        break;
    }
    switch (style & Emf::kPsEndcapMask) {
    case Emf::kPsEndcapSquare:
        p.cap = Qt::SquareCap;
        break;
    case Emf::kPsEndcapFlat:
        p.cap = Qt::FlatCap;
        break;
    default:
        p.cap = Qt::RoundCap;
        break;
    }
    switch (style & Emf::kPsJoinMask) {
    case Emf::kPsJoinBevel:
        p.join = Qt::BevelJoin;
        break;
    case Emf::kPsJoinMiter:
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
    o.brush.null = style == Emf::kBsNull;
    if (style == Emf::kBsHatched)
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
    case Emr::kSelectObject:
        SelectObject(r.U32(8));
        return true;
    case Emr::kSelectPalette:
        SelectObject(r.U32(8));
        return true;
    case Emr::kDeleteObject:
        if (ValidIndex(r.U32(8)))
            m_objects[r.U32(8)] = EmfObject();
        return true;
    case Emr::kCreatePen:
        CreatePen(r, false);
        return true;
    case Emr::kExtCreatePen:
        CreatePen(r, true);
        return true;
    case Emr::kCreateBrushIndirect:
        CreateBrush(r);
        return true;
    case Emr::kCreateDibPatternBrushPt:
    case Emr::kCreateMonoBrush:
        CreatePatternBrush(r);
        return true;
    case Emr::kExtCreateFontIndirectW:
        CreateFont(r);
        return true;
    case Emr::kCreatePalette:
        CreatePalette(r);
        return true;
    default:
        return false;
    }
}
