// Text and bitmaps of the enhanced metafile player.
#include "emf_player_internal.h"
#include "emf_records.h"
#include "platform/legacy_text.h"

#include <QFontMetricsF>
#include <QStringDecoder>

#include <cmath>

namespace {

// Bitmaps beyond these sizes are refused before anything is allocated.
constexpr int64_t kMaxSide = 1 << 15;
constexpr int64_t kMaxPixels = int64_t(1) << 25;

const char* CodePage(uint8_t charSet) {
    switch (charSet) {
    case 128:
        return "Shift_JIS";
    case 129:
        return "EUC-KR";
    case 134:
        return "GBK";
    case 136:
        return "Big5";
    case 161:
        return "windows-1253";
    case 162:
        return "windows-1254";
    case 163:
        return "windows-1258";
    case 177:
        return "windows-1255";
    case 178:
        return "windows-1256";
    case 186:
        return "windows-1257";
    case 204:
        return "windows-1251";
    case 222:
        return "windows-874";
    case 238:
        return "windows-1250";
    default:
        return nullptr;
    }
}

int MaskShift(uint32_t mask) {
    int s = 0;
    while (s < 32 && !(mask & (1u << s)))
        ++s;
    return s;
}

int MaskValue(uint32_t pixel, uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = MaskShift(mask);
    const uint32_t max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / max);
}

} // namespace

QString EmfPlayer::DecodeAnsi(QByteArrayView bytes) const {
    if (const char* page = CodePage(m_s.font.charSet)) {
        QStringDecoder decoder(page);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    if (m_s.font.charSet == 2) // symbol fonts: the byte is the glyph
        return QString::fromLatin1(bytes);
    return DecodeWindows1252(bytes);
}

void EmfPlayer::Text(const RecordView& r, bool wide) {
    // EMRTEXT at 36: reference, count, offString, options, rectangle, offDx.
    const uint32_t count = r.U32(44), offString = r.U32(48), options = r.U32(52), offDx = r.U32(72);
    if (!r.Has(offString, count, wide ? 2 : 1))
        return;
    QString text;
    if (wide) {
        text.reserve(qsizetype(count));
        for (uint32_t i = 0; i < count; ++i)
            text.append(QChar(r.U16(offString + 2 * uint64_t(i))));
    } else {
        text = DecodeAnsi(QByteArrayView(reinterpret_cast<const char*>(r.At(offString)), count));
    }
    const uint64_t dxStep = (options & Emf::kEtoPdy) ? 8 : 4;
    const bool haveDx = offDx != 0 && r.Has(offDx, count, dxStep) && uint32_t(text.size()) == count;
    const QTransform full = Full();
    const QRectF rect =
        QRectF(QPointF(r.I32(56), r.I32(60)), QPointF(r.I32(64), r.I32(68))).normalized();
    ApplyClip();
    if ((options & Emf::kEtoOpaque) && !rect.isEmpty()) {
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QPainterPath box;
        box.addRect(rect);
        m_painter.fillPath(full.map(box), m_s.bkColour);
    }
    if (text.isEmpty())
        return;
    const bool updateCp = (m_s.textAlign & Emf::kTaUpdateCp) != 0;
    const QPointF reference = updateCp ? m_s.current : QPointF(r.I32(36), r.I32(40));
    const QPointF origin = full.map(reference);
    const QPointF ux = full.map(QPointF(1, 0)) - full.map(QPointF(0, 0));
    const QPointF uy = full.map(QPointF(0, 1)) - full.map(QPointF(0, 0));
    const double scaleX = std::hypot(ux.x(), ux.y()), scaleY = std::hypot(uy.x(), uy.y());
    const EmfFont& f = m_s.font;
    // The font: the em height in target pixels; a positive height is the
    // cell height (ascent plus descent).
    QFont font(f.face);
    font.setPixelSize(100);
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    const QFontMetricsF probe(font);
    double em = std::abs(double(f.height)) * scaleY;
    if (f.height > 0 && probe.ascent() + probe.descent() > 0)
        em *= 100 / (probe.ascent() + probe.descent());
    if (f.height == 0)
        em = 12 * 96.0 / 72 * scaleY;
    if (!(em >= 0.5) || em > 1e5)
        return;
    const int pixel = std::clamp(int(std::lround(em)), 1, 4096);
    font.setPixelSize(pixel);
    const double s = em / pixel;
    const QFontMetricsF fm(font);
    // Escapement counter-clockwise on the device, plus any rotation of the
    // mapping's x axis.
    const double axis = std::atan2(-ux.y(), ux.x()) * 180 / M_PI;
    const double angle = f.escapement / 10.0 + (std::abs(axis) < 1e-9 ? 0 : axis);
    // Advances along the baseline in text pixels.
    std::vector<double> advances;
    double total = 0;
    if (haveDx) {
        for (uint32_t i = 0; i < count; ++i) {
            const double a = r.I32(offDx + dxStep * i) * scaleX / s;
            advances.push_back(a);
            total += a;
        }
    } else {
        total = fm.horizontalAdvance(text);
    }
    double x0 = 0;
    switch (m_s.textAlign & Emf::kTaCenter) {
    case Emf::kTaRight:
        x0 = -total;
        break;
    case Emf::kTaCenter:
        x0 = -total / 2;
        break;
    default:
        break;
    }
    double baseline = fm.ascent(); // top alignment
    if ((m_s.textAlign & Emf::kTaBaseline) == Emf::kTaBaseline)
        baseline = 0;
    else if (m_s.textAlign & Emf::kTaBottom)
        baseline = -fm.descent();

    m_painter.save();
    if (options & Emf::kEtoClipped) {
        QPainterPath box;
        box.addRect(rect);
        m_painter.setClipPath(full.map(box), Qt::IntersectClip);
    }
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.rotate(-angle);
    t.scale(s, s);
    m_painter.setTransform(t);
    m_painter.setFont(font);
    if (m_s.bkOpaque && !(options & Emf::kEtoOpaque))
        m_painter.fillRect(QRectF(x0, baseline - fm.ascent(), total, fm.height()), m_s.bkColour);
    m_painter.setPen(m_s.textColour);
    if (haveDx) {
        double x = x0;
        for (uint32_t i = 0; i < count; ++i) {
            m_painter.drawText(QPointF(x, baseline), QString(text[qsizetype(i)]));
            x += advances[i];
        }
    } else {
        m_painter.drawText(QPointF(x0, baseline), text);
    }
    m_painter.restore();
    m_clipDirty = true;
    if (updateCp && scaleX > 0)
        m_s.current = reference + QPointF(total * s / scaleX * (ux.x() < 0 ? -1 : 1), 0);
}

QImage EmfPlayer::Dib(const RecordView& r, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits,
                      uint32_t cbBits, uint32_t usage) const {
    const RecordView bmi = r.Sub(offBmi, cbBmi);
    const RecordView bits = r.Sub(offBits, cbBits);
    if (bmi.Size() < 12 || bits.Size() == 0)
        return {};
    const uint32_t headerSize = bmi.U32(0);
    int64_t width, height;
    uint32_t bitCount, compression = 0, used = 0;
    if (headerSize == 12) {
        width = bmi.U16(4);
        height = bmi.I16(6);
        bitCount = bmi.U16(10);
    } else if (headerSize >= 40 && bmi.Has(0, headerSize)) {
        width = bmi.I32(4);
        height = bmi.I32(8);
        bitCount = bmi.U16(14);
        compression = bmi.U32(16);
        used = bmi.U32(32);
    } else {
        return {};
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        width * height > kMaxPixels)
        return {};
    if (compression == Emf::kBiJpeg || compression == Emf::kBiPng) {
        QImage image = QImage::fromData(
            QByteArrayView(reinterpret_cast<const char*>(bits.Data()), bits.Size()));
        return image.width() <= kMaxSide && image.height() <= kMaxSide ? image : QImage();
    }
    if (compression != Emf::kBiRgb && compression != Emf::kBiBitfields)
        return {}; // run-length encoded bitmaps are not drawn
    const uint64_t stride = ((uint64_t(width) * bitCount + 31) / 32) * 4;
    if (bitCount == 0 || stride * uint64_t(height) > bits.Size())
        return {}; // a header that lies about its size
    // Colour table (or palette indices) and masks.
    std::vector<QRgb> colours;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitCount == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    uint64_t at = headerSize;
    if (compression == Emf::kBiBitfields) {
        // The masks follow a 40-byte header, or are its fields 40..51.
        if (!bmi.Has(40, 3, 4))
            return {};
        for (int i = 0; i < 3; ++i)
            masks[i] = bmi.U32(40 + 4 * uint64_t(i));
        if (headerSize == 40)
            at += 12;
    }
    if (bitCount <= 8) {
        const uint64_t n = used ? std::min<uint64_t>(used, 256) : (uint64_t(1) << bitCount);
        const uint64_t entry = usage == Emf::kDibPalColors ? 2 : (headerSize == 12 ? 3 : 4);
        for (uint64_t i = 0; i < n; ++i) {
            const uint64_t e = at + i * entry;
            if (!bmi.Has(e, entry)) {
                colours.push_back(qRgb(0, 0, 0));
                continue;
            }
            if (usage == Emf::kDibPalColors) {
                const uint16_t index = bmi.U16(e);
                colours.push_back(index < m_s.palette.size() ? m_s.palette[index] : qRgb(0, 0, 0));
            } else {
                colours.push_back(qRgb(bmi.U8(e + 2), bmi.U8(e + 1), bmi.U8(e)));
            }
        }
        colours.resize(size_t(1) << bitCount, qRgb(0, 0, 0));
    }
    QImage image(int(width), int(height),
                 bitCount == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* row = bits.Data() + stride * uint64_t(topDown ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (int64_t x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
                out[x] = colours[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = colours[(row[x / 2] >> (x % 2 ? 0 : 4)) & 15];
                break;
            case 8:
                out[x] = colours[row[x]];
                break;
            case 16: {
                const uint32_t p = uint32_t(row[2 * x] | (row[2 * x + 1] << 8));
                out[x] =
                    qRgb(MaskValue(p, masks[0]), MaskValue(p, masks[1]), MaskValue(p, masks[2]));
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32: {
                const uint32_t p = uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 |
                                   uint32_t(row[4 * x + 2]) << 16 | uint32_t(row[4 * x + 3]) << 24;
                out[x] = qRgba(MaskValue(p, masks[0]), MaskValue(p, masks[1]),
                               MaskValue(p, masks[2]), p >> 24);
                break;
            }
            default:
                return {};
            }
        }
    }
    return image;
}

void EmfPlayer::DrawImage(const QImage& image, const QRectF& logicalDest, QRectF source,
                          uint32_t rop, bool alpha) {
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (rop) {
    case Emf::kSrcPaint:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case Emf::kSrcAnd:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case Emf::kSrcInvert:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case Emf::kNotSrcCopy:
        mode = QPainter::RasterOp_NotSource;
        break;
    default:
        break;
    }
    const QImage pixels =
        alpha ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied) : image;
    ApplyClip();
    m_painter.save();
    m_painter.setCompositionMode(mode);
    m_painter.setTransform(Full());
    m_painter.drawImage(logicalDest, alpha ? pixels : pixels.convertToFormat(QImage::Format_RGB32),
                        source);
    m_painter.restore();
    m_clipDirty = true;
}

void EmfPlayer::PatternBlit(const QRectF& logical, uint32_t rop) {
    QPainterPath p;
    p.addRect(logical.normalized());
    const QPainterPath device = Full().map(p);
    ApplyClip();
    switch (rop) {
    case Emf::kBlackness:
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter.fillPath(device, Qt::black);
        break;
    case Emf::kWhiteness:
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter.fillPath(device, Qt::white);
        break;
    case Emf::kDstInvert:
        m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        m_painter.fillPath(device, Qt::black);
        break;
    case Emf::kPatInvert:
        if (!m_s.brush.null) {
            m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            m_painter.fillPath(device, m_s.brush.colour);
        }
        break;
    default: // PATCOPY and the rest: the brush
        FillDevicePath(device, m_s.brush);
        break;
    }
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void EmfPlayer::Blit(const RecordView& r, uint32_t type) {
    QRectF dest, source;
    uint32_t rop = Emf::kSrcCopy, offBmi, cbBmi, offBits, cbBits, usage;
    bool alpha = false;
    switch (type) {
    case Emr::kStretchDiBits: // dest 24, src 32..44, bitmap 48..64, rop 68, cxDest 72
        dest = QRectF(r.I32(24), r.I32(28), r.I32(72), r.I32(76));
        source = QRectF(r.I32(32), r.I32(36), r.I32(40), r.I32(44));
        offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60);
        usage = r.U32(64);
        rop = r.U32(68);
        break;
    case Emr::kSetDiBitsToDevice:
        source = QRectF(r.I32(32), r.I32(36), r.I32(40), r.I32(44));
        dest = QRectF(r.I32(24), r.I32(28), source.width(), source.height());
        offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60);
        usage = r.U32(64);
        break;
    default: // BITBLT, STRETCHBLT, ALPHABLEND, TRANSPARENTBLT share their start
        dest = QRectF(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
        rop = r.U32(40);
        offBmi = r.U32(84), cbBmi = r.U32(88), offBits = r.U32(92), cbBits = r.U32(96);
        usage = r.U32(80);
        if (type == Emr::kBitBlt)
            source = QRectF(r.I32(44), r.I32(48), dest.width(), dest.height());
        else
            source = QRectF(r.I32(44), r.I32(48), r.I32(100), r.I32(104));
        if (type == Emr::kAlphaBlend) {
            alpha = (r.U8(43) & Emf::kAcSrcAlpha) != 0;
            rop = Emf::kSrcCopy;
        } else if (type == Emr::kTransparentBlt) {
            rop = Emf::kSrcCopy;
        }
        if (cbBmi == 0) {
            if (type == Emr::kBitBlt || type == Emr::kStretchBlt)
                PatternBlit(dest, rop);
            return;
        }
        break;
    }
    if (dest.width() == 0 || dest.height() == 0)
        return;
    QImage image = Dib(r, offBmi, cbBmi, offBits, cbBits, usage);
    if (image.isNull())
        return;
    if (type == Emr::kTransparentBlt) { // one colour left out
        const QRgb key = qRgb(r.U8(108), r.U8(109), r.U8(110));
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                    row[x] = 0;
        }
        alpha = true;
    }
    // Alpha-blended pixels come premultiplied.
    if (type == Emr::kAlphaBlend && alpha && image.format() == QImage::Format_ARGB32)
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    // Source rectangles count rows from the bottom of a bottom-up bitmap;
    // the decoded image is top-down.
    if ((type == Emr::kStretchDiBits || type == Emr::kSetDiBitsToDevice) && r.I32(offBmi + 8) > 0)
        source.moveTop(image.height() - source.top() - source.height());
    if (source.width() <= 0 || source.height() <= 0)
        source = image.rect();
    DrawImage(image, dest, source, rop, alpha);
}
