#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstring>

// A bounds-checked view of one metafile record. Every read names an offset
// inside the record and yields 0 when the bytes are not all there, so record
// handlers never step past a record whatever its fields claim; Has() lets a
// handler refuse a record before it reads a count-sized array.
class RecordView {
public:
    RecordView() = default;
    RecordView(const uint8_t* data, uint32_t size) : m_data(data), m_size(size) {}

    uint32_t Size() const { return m_size; }
    const uint8_t* Data() const { return m_data; }
    // Whether `count` items of `itemSize` bytes start at `offset` inside the
    // record (64-bit arithmetic: counts near 2^32 cannot wrap).
    bool Has(uint64_t offset, uint64_t count, uint64_t itemSize = 1) const {
        return offset <= m_size && count * itemSize <= m_size - offset &&
               (itemSize == 0 || count <= UINT64_MAX / itemSize);
    }
    const uint8_t* At(uint32_t offset) const { return m_data + offset; }

    uint8_t U8(uint64_t o) const { return Has(o, 1) ? m_data[o] : 0; }
    uint16_t U16(uint64_t o) const {
        return Has(o, 2) ? uint16_t(m_data[o] | (m_data[o + 1] << 8)) : 0;
    }
    int16_t I16(uint64_t o) const { return int16_t(U16(o)); }
    uint32_t U32(uint64_t o) const {
        if (!Has(o, 4))
            return 0;
        return uint32_t(m_data[o]) | uint32_t(m_data[o + 1]) << 8 | uint32_t(m_data[o + 2]) << 16 |
               uint32_t(m_data[o + 3]) << 24;
    }
    int32_t I32(uint64_t o) const { return int32_t(U32(o)); }
    float F32(uint64_t o) const {
        const uint32_t bits = U32(o);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    RecordView Sub(uint64_t offset, uint64_t size) const {
        return Has(offset, size) ? RecordView(m_data + offset, uint32_t(size)) : RecordView();
    }

private:
    const uint8_t* m_data = nullptr;
    uint32_t m_size = 0;
};

// Little-endian appends for the metafile writers.
inline void PutU16(QByteArray& out, uint32_t v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
inline void PutU32(QByteArray& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}
inline void SetU32(QByteArray& out, qsizetype offset, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[offset + i] = char((v >> (8 * i)) & 0xFF);
}
