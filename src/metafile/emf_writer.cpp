#include "emf_writer.h"

#include "emf_records.h"
#include "metafile_record.h"

#include <algorithm>
#include <cstring>

namespace {

bool Fits16(QPoint p) {
    return p.x() >= INT16_MIN && p.x() <= INT16_MAX && p.y() >= INT16_MIN && p.y() <= INT16_MAX;
}

} // namespace

EmfWriter::EmfWriter(int dpi) : m_dpi(std::max(1, dpi)) {
    // The header: fields completed by Finish().
    Begin(Emr::kHeader);
    PutRect(0, 0, -1, -1);          // bounds
    PutRect(0, 0, -1, -1);          // frame
    PutU32(Emf::kEnhMetaSignature); // dSignature
    PutU32(0x00010000);             // nVersion
    PutU32(0);                      // nBytes
    PutU32(0);                      // nRecords
    PutU16(0);                      // nHandles
    PutU16(0);                      // sReserved
    PutU32(0);                      // nDescription
    PutU32(0);                      // offDescription
    PutU32(0);                      // nPalEntries
    PutI32(m_dpi * 10);             // szlDevice: a ten-inch square
    PutI32(m_dpi * 10);             //
    PutI32(254);                    // szlMillimeters
    PutI32(254);                    //
    PutU32(0);                      // cbPixelFormat
    PutU32(0);                      // offPixelFormat
    PutU32(0);                      // bOpenGL
    PutI32(254000);                 // szlMicrometers
    PutI32(254000);                 //
    End();
}

void EmfWriter::Begin(uint32_t type) {
    m_recordStart = m_out.size();
    ::PutU32(m_out, type);
    ::PutU32(m_out, 0);
}

void EmfWriter::PutU32(uint32_t v) {
    ::PutU32(m_out, v);
}

void EmfWriter::PutU16(uint32_t v) {
    ::PutU16(m_out, v);
}

void EmfWriter::PutF32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    ::PutU32(m_out, bits);
}

void EmfWriter::PutBytes(QByteArrayView bytes) {
    m_out.append(bytes);
}

void EmfWriter::PutRect(int32_t l, int32_t t, int32_t r, int32_t b) {
    PutI32(l);
    PutI32(t);
    PutI32(r);
    PutI32(b);
}

void EmfWriter::Align4() {
    while (m_out.size() % 4 != 0)
        m_out.append('\0');
}

void EmfWriter::End() {
    Align4();
    SetU32(m_out, m_recordStart + 4, uint32_t(m_out.size() - m_recordStart));
    ++m_records;
}

void EmfWriter::PutPoints(const std::vector<QPoint>& points, bool small) {
    for (const QPoint& p : points) {
        if (small) {
            PutU16(uint16_t(p.x()));
            PutU16(uint16_t(p.y()));
        } else {
            PutPoint(p);
        }
    }
}

void EmfWriter::Poly(uint32_t type32, uint32_t type16, const std::vector<QPoint>& points) {
    const bool small = std::all_of(points.begin(), points.end(), Fits16);
    Begin(small ? type16 : type32);
    PutRect(0, 0, -1, -1); // bounds: not computed (players ignore them)
    PutU32(uint32_t(points.size()));
    PutPoints(points, small);
    End();
}

void EmfWriter::PolyPoly(uint32_t type32, uint32_t type16, const std::vector<uint32_t>& counts,
                         const std::vector<QPoint>& points) {
    const bool small = std::all_of(points.begin(), points.end(), Fits16);
    Begin(small ? type16 : type32);
    PutRect(0, 0, -1, -1);
    PutU32(uint32_t(counts.size()));
    PutU32(uint32_t(points.size()));
    for (uint32_t c : counts)
        PutU32(c);
    PutPoints(points, small);
    End();
}

void EmfWriter::Font(uint32_t handle, int32_t height, int32_t width, int32_t escapement,
                     int32_t orientation, int32_t weight, uint8_t italic, uint8_t underline,
                     uint8_t strikeOut, uint8_t charSet, uint8_t pitchAndFamily,
                     const QString& face) {
    Begin(Emr::kExtCreateFontIndirectW);
    PutU32(handle);
    PutI32(height);
    PutI32(width);
    PutI32(escapement);
    PutI32(orientation);
    PutI32(weight);
    m_out.append(char(italic));
    m_out.append(char(underline));
    m_out.append(char(strikeOut));
    m_out.append(char(charSet));
    m_out.append(char(0)); // out precision
    m_out.append(char(0)); // clip precision
    m_out.append(char(0)); // quality
    m_out.append(char(pitchAndFamily));
    const QString name = face.left(31);
    for (int i = 0; i < 32; ++i)
        PutU16(i < name.size() ? name[i].unicode() : 0);
    End();
}

void EmfWriter::TextW(QPoint reference, const QString& text, uint32_t options, const EmfRect& rect,
                      const std::vector<int32_t>& advances) {
    Begin(Emr::kExtTextOutW);
    PutRect(0, 0, -1, -1); // bounds
    PutU32(Emf::kGmCompatible);
    PutF32(1.0f);
    PutF32(1.0f);
    // EMRTEXT: reference, count, offString, options, rectangle, offDx.
    constexpr uint32_t kRecordHeader = 8 + 16 + 4 + 8; // up to the EMRTEXT
    constexpr uint32_t kEmrText = 8 + 4 + 4 + 4 + 16 + 4;
    const uint32_t count = uint32_t(text.size());
    const uint32_t offString = kRecordHeader + kEmrText;
    const uint32_t offDx = advances.empty() ? 0 : offString + ((count * 2 + 3) & ~3u);
    PutPoint(reference);
    PutU32(count);
    PutU32(offString);
    PutU32(options);
    PutRect(rect.left, rect.top, rect.right, rect.bottom);
    PutU32(offDx);
    for (QChar c : text)
        PutU16(c.unicode());
    Align4();
    for (int32_t a : advances)
        PutI32(a);
    End();
}

void EmfWriter::StretchDib(int32_t x, int32_t y, int32_t cx, int32_t cy, int32_t xSrc, int32_t ySrc,
                           int32_t cxSrc, int32_t cySrc, uint32_t usage, uint32_t rop,
                           QByteArrayView dib) {
    uint32_t headerAndColours = 0;
    const uint64_t size = PackedDibSize(reinterpret_cast<const uint8_t*>(dib.data()),
                                        uint64_t(dib.size()), usage, &headerAndColours);
    Begin(Emr::kStretchDiBits);
    PutRect(0, 0, -1, -1);
    PutI32(x);
    PutI32(y);
    PutI32(xSrc);
    PutI32(ySrc);
    PutI32(cxSrc);
    PutI32(cySrc);
    constexpr uint32_t kFixed = 80;
    const uint32_t bmi = size ? headerAndColours : 0;
    const uint32_t bits = size ? uint32_t(size - headerAndColours) : 0;
    PutU32(size ? kFixed : 0);                     // offBmiSrc
    PutU32(bmi);                                   // cbBmiSrc
    PutU32(size ? kFixed + ((bmi + 3) & ~3u) : 0); // offBitsSrc
    PutU32(bits);                                  // cbBitsSrc
    PutU32(usage);                                 // iUsageSrc
    PutU32(rop);                                   // dwRop
    PutI32(cx);
    PutI32(cy);
    if (size) {
        PutBytes(dib.first(bmi));
        Align4();
        PutBytes(dib.sliced(bmi, bits));
    }
    End();
}

void EmfWriter::Patch(qsizetype offset, int32_t v) {
    SetU32(m_out, offset, uint32_t(v));
}

QByteArray EmfWriter::Finish(const EmfRect& bounds, const EmfRect& frame, uint32_t handles) {
    Begin(Emr::kEof);
    PutU32(0);  // nPalEntries
    PutU32(16); // offPalEntries
    PutU32(20); // nSizeLast
    End();
    SetU32(m_out, 8, uint32_t(bounds.left));
    SetU32(m_out, 12, uint32_t(bounds.top));
    SetU32(m_out, 16, uint32_t(bounds.right));
    SetU32(m_out, 20, uint32_t(bounds.bottom));
    SetU32(m_out, 24, uint32_t(frame.left));
    SetU32(m_out, 28, uint32_t(frame.top));
    SetU32(m_out, 32, uint32_t(frame.right));
    SetU32(m_out, 36, uint32_t(frame.bottom));
    SetU32(m_out, 48, uint32_t(m_out.size()));
    SetU32(m_out, 52, m_records);
    const uint32_t h = std::clamp<uint32_t>(handles, 1, 0xFFFF);
    m_out[56] = char(h & 0xFF);
    m_out[57] = char(h >> 8);
    return m_out;
}

uint64_t PackedDibSize(const uint8_t* dib, uint64_t available, uint32_t usage,
                       uint32_t* headerAndColours) {
    const RecordView v(dib, uint32_t(std::min<uint64_t>(available, UINT32_MAX)));
    const uint32_t headerSize = v.U32(0);
    int64_t width, height;
    uint32_t bits, compression = 0, used = 0, sizeImage = 0;
    if (headerSize == 12) {
        width = v.U16(4);
        height = v.U16(6);
        bits = v.U16(10);
    } else if (headerSize >= 40 && headerSize <= 124) {
        width = v.I32(4);
        height = v.I32(8);
        bits = v.U16(14);
        compression = v.U32(16);
        sizeImage = v.U32(20);
        used = v.U32(32);
    } else {
        return 0;
    }
    if (width <= 0 || height == 0 || !v.Has(0, headerSize))
        return 0;
    height = height < 0 ? -height : height;
    uint64_t colours = used;
    if (colours == 0 && bits <= 8)
        colours = uint64_t(1) << bits;
    if (colours > 256 && bits <= 8)
        return 0;
    const uint64_t entry = usage == 1 ? 2 : (headerSize == 12 ? 3 : 4);
    uint64_t header = headerSize + colours * entry;
    if (compression == 3 && headerSize == 40)
        header += 12; // the three masks after a 40-byte header
    const uint64_t stride = ((uint64_t(width) * bits + 31) / 32) * 4;
    uint64_t pixels = stride * uint64_t(height);
    if (compression != 0 && compression != 3)
        pixels = sizeImage;
    if (header + pixels > available || header > UINT32_MAX)
        return 0;
    *headerAndColours = uint32_t(header);
    return header + pixels;
}
