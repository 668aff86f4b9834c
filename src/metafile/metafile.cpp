#include "metafile.h"

#include "metafile_record.h"

#include <uemf.h>
#include <uemf_safe.h>

namespace {

constexpr int kWmfHeaderSize = 18;
constexpr uint32_t kEmfHeaderMinSize = 88; // up to and including szlMillimeters

RecordView View(QByteArrayView data) {
    return {reinterpret_cast<const uint8_t*>(data.data()), uint32_t(data.size())};
}

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// The length of the metafile that starts at `start` found by walking its
// records to the end record, or 0 when a record runs past the data first.
qsizetype WalkToEndRecord(QByteArrayView data, qsizetype start) {
    const qsizetype headerWords =
        qsizetype(uint16_t(data[start + 2] & 0xFF) | uint16_t((data[start + 3] & 0xFF) << 8));
    qsizetype pos = start + std::max<qsizetype>(headerWords * 2, kWmfHeaderSize);
    while (pos + 6 <= data.size()) {
        const RecordView rec = View(data.sliced(pos));
        const uint64_t size = uint64_t(rec.U32(0)) * 2;
        if (size < 6 || size > uint64_t(data.size() - pos))
            return 0;
        pos += qsizetype(size);
        if (rec.U16(4) == 0x0000)
            return pos - start;
    }
    return 0;
}

} // namespace

bool PlaceableHeader::Present() const {
    return (bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t(bytes[3]) << 24) == kKey;
}

uint16_t PlaceableHeader::ComputedChecksum() const {
    uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= uint16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return sum;
}

QString PlaceableHeader::Hex() const {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), int(bytes.size())).toHex());
}

bool LooksLikeWindowsMetafile(QByteArrayView head) {
    const RecordView v = View(head);
    if (v.Size() >= 4 && v.U32(0) == PlaceableHeader::kKey)
        return true;
    return v.Size() >= kWmfHeaderSize && (v.U16(0) == 1 || v.U16(0) == 2) && v.U16(2) == 9;
}

bool LooksLikeEnhancedMetafile(QByteArrayView head) {
    const RecordView v = View(head);
    return v.Size() >= 44 && v.U32(0) == U_EMR_HEADER && v.U32(40) == U_ENHMETA_SIGNATURE;
}

bool ReadWindowsMetafile(QByteArrayView file, WindowsMetafile* out, QString* error) {
    const RecordView v = View(file);
    qsizetype start = 0;
    out->placeable = {};
    if (v.Size() >= 4 && v.U32(0) == PlaceableHeader::kKey) {
        if (file.size() < PlaceableHeader::kFileSize)
            return Fail(error, QStringLiteral("the placeable header is cut short"));
        std::copy_n(reinterpret_cast<const uint8_t*>(file.data()), PlaceableHeader::kFileSize,
                    out->placeable.bytes.begin());
        start = PlaceableHeader::kFileSize;
    }
    if (file.size() - start < kWmfHeaderSize)
        return Fail(error, QStringLiteral("the metafile header is cut short"));
    const RecordView header = View(file.sliced(start));
    const uint16_t type = header.U16(0);
    if (type != 1 && type != 2)
        return Fail(error, QStringLiteral("not a Windows metafile (header type %1)").arg(type));
    const uint64_t declared = uint64_t(header.U32(6)) * 2;
    qsizetype length = 0;
    if (declared >= kWmfHeaderSize && declared <= uint64_t(file.size() - start))
        length = qsizetype(declared);
    else if (declared >= kWmfHeaderSize)
        length = WalkToEndRecord(file, start);
    if (length == 0)
        return Fail(
            error,
            declared < kWmfHeaderSize
                ? QStringLiteral("the metafile's size field is too small (%1 bytes)").arg(declared)
                : QStringLiteral("the metafile is cut short: %1 bytes declared, %2 present")
                      .arg(declared)
                      .arg(file.size() - start));
    out->bytes = file.sliced(start, length).toByteArray();
    return true;
}

EmfHeader ParseEmfHeader(QByteArrayView emf) {
    const RecordView v = View(emf);
    EmfHeader h;
    h.bounds = {v.I32(8), v.I32(12), v.I32(16), v.I32(20)};
    h.frame = {v.I32(24), v.I32(28), v.I32(32), v.I32(36)};
    h.records = v.U32(52);
    h.handles = v.U16(56);
    h.deviceWidth = v.I32(72);
    h.deviceHeight = v.I32(76);
    h.millimetresWidth = v.I32(80);
    h.millimetresHeight = v.I32(84);
    return h;
}

bool ReadEnhancedMetafile(QByteArrayView data, QByteArray* out, EmfHeader* header, QString* error) {
    const RecordView v = View(data);
    if (!LooksLikeEnhancedMetafile(data))
        return Fail(error, QStringLiteral("not an enhanced metafile"));
    const uint32_t headerSize = v.U32(4);
    if (headerSize < kEmfHeaderMinSize || headerSize % 4 != 0 || headerSize > v.Size())
        return Fail(error, QStringLiteral("the enhanced metafile header is damaged"));
    uint64_t pos = 0;
    uint32_t records = 0;
    while (pos + 8 <= v.Size()) {
        const uint32_t type = v.U32(pos);
        const uint32_t size = v.U32(pos + 4);
        if (size < 8 || size % 4 != 0 || size > v.Size() - pos)
            return Fail(error, QStringLiteral("record %1 (type %2) runs past the end of the data")
                                   .arg(records)
                                   .arg(type));
        pos += size;
        ++records;
        if (type == U_EMR_EOF) {
            *out = data.first(qsizetype(pos)).toByteArray();
            // The stored header says how many records and bytes there are.
            SetU32(*out, 48, uint32_t(pos));
            SetU32(*out, 52, records);
            if (header)
                *header = ParseEmfHeader(*out);
            return true;
        }
    }
    return Fail(error, QStringLiteral("the enhanced metafile has no end record"));
}

bool ReadMetafileFile(QByteArrayView file, PlaceableHeader* placeable, QByteArray* emf,
                      QString* error) {
    if (LooksLikeEnhancedMetafile(file)) {
        *placeable = {};
        return ReadEnhancedMetafile(file, emf, nullptr, error);
    }
    WindowsMetafile wmf;
    if (!ReadWindowsMetafile(file, &wmf, error))
        return false;
    if (!ConvertWindowsMetafile(wmf, emf, error))
        return false;
    *placeable = wmf.placeable;
    return true;
}
