#include "metafile.h"

#include "emf_records.h"
#include "metafile_record.h"
#include "wmf_records.h"

namespace {

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
    qsizetype pos = start + std::max<qsizetype>(headerWords * 2, Wmf::kHeaderSize);
    while (pos + 6 <= data.size()) {
        const RecordView rec = View(data.sliced(pos));
        const uint64_t size = uint64_t(rec.U32(0)) * 2;
        if (size < 6 || size > uint64_t(data.size() - pos))
            return 0;
        pos += qsizetype(size);
        if (rec.U16(4) == Wmf::kEof)
            return pos - start;
    }
    return 0;
}

// Whether `checksum` validates the embedded metafile's bytes. Both readings
// of the field are accepted: the complement of the XOR of the 16-bit words,
// as the format describes it, and the value that brings their sum to zero.
// A damaged or missing piece fails either.
bool EmbeddedChecksumMatches(QByteArrayView emf, uint16_t checksum) {
    uint16_t xorAll = 0, sum = 0;
    for (qsizetype i = 0; i + 1 < emf.size(); i += 2) {
        const uint16_t word = uint16_t(uint8_t(emf[i]) | uint8_t(emf[i + 1]) << 8);
        xorAll ^= word;
        sum = uint16_t(sum + word);
    }
    return checksum == uint16_t(~xorAll) || uint16_t(sum + checksum) == 0;
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
    return v.Size() >= Wmf::kHeaderSize && (v.U16(0) == 1 || v.U16(0) == 2) && v.U16(2) == 9;
}

bool LooksLikeEnhancedMetafile(QByteArrayView head) {
    const RecordView v = View(head);
    return v.Size() >= 44 && v.U32(0) == Emr::kHeader && v.U32(40) == Emf::kEnhMetaSignature;
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
    if (file.size() - start < Wmf::kHeaderSize)
        return Fail(error, QStringLiteral("the metafile header is cut short"));
    const RecordView header = View(file.sliced(start));
    const uint16_t type = header.U16(0);
    if (type != 1 && type != 2)
        return Fail(error, QStringLiteral("not a Windows metafile (header type %1)").arg(type));
    const uint64_t declared = uint64_t(header.U32(6)) * 2;
    qsizetype length = 0;
    if (declared >= Wmf::kHeaderSize && declared <= uint64_t(file.size() - start))
        length = qsizetype(declared);
    else if (declared >= Wmf::kHeaderSize)
        length = WalkToEndRecord(file, start);
    if (length == 0)
        return Fail(
            error,
            declared < Wmf::kHeaderSize
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
        if (type == Emr::kEof) {
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

bool EmbeddedEnhancedMetafile(const WindowsMetafile& wmf, QByteArray* emf) {
    const RecordView v = View(wmf.bytes);
    QByteArray data;
    uint32_t pieces = 0, count = 0, total = 0;
    uint16_t checksum = 0;
    uint64_t pos = std::max<uint64_t>(uint64_t(v.U16(2)) * 2, Wmf::kHeaderSize);
    while (pos + 6 <= v.Size()) {
        const uint64_t size = uint64_t(v.U32(pos)) * 2;
        if (size < 6 || size > v.Size() - pos)
            return false;
        const RecordView r = v.Sub(pos, size);
        pos += size;
        if (r.U16(4) == Wmf::kEof)
            break;
        if (r.U16(4) != Wmf::kEscape || r.U16(6) != Wmf::kMfComment ||
            r.U32(10) != Wmf::kEmfCommentIdentifier || r.U32(14) != Wmf::kEmfCommentType)
            continue;
        // Every piece repeats the count, checksum and whole size; its own
        // size, the bytes still to come and its byte count must add up.
        const uint32_t pieceSize = r.U32(32), remaining = r.U32(36);
        if (pieces == 0) {
            count = r.U32(28);
            checksum = r.U16(22);
            total = r.U32(40);
            if (total == 0 || total > v.Size())
                return false;
        }
        if (r.U32(18) != Wmf::kEmfCommentVersion || r.U32(28) != count || r.U16(22) != checksum ||
            r.U32(40) != total || r.U16(8) != uint64_t(Wmf::kEmfCommentFixedSize) + pieceSize ||
            !r.Has(44, pieceSize) || uint64_t(data.size()) + pieceSize + remaining != total)
            return false;
        data.append(reinterpret_cast<const char*>(r.At(44)), qsizetype(pieceSize));
        ++pieces;
        if (remaining == 0)
            break;
    }
    if (pieces == 0 || pieces != count || uint64_t(data.size()) != total ||
        !EmbeddedChecksumMatches(data, checksum))
        return false;
    return ReadEnhancedMetafile(data, emf, nullptr, nullptr);
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
    // A placeable header gives the picture's frame; without one, the
    // enhanced original, when the file carries it, is the better picture.
    if (!wmf.placeable.Present() && EmbeddedEnhancedMetafile(wmf, emf)) {
        *placeable = {};
        return true;
    }
    if (!ConvertWindowsMetafile(wmf, emf, error))
        return false;
    *placeable = wmf.placeable;
    return true;
}
