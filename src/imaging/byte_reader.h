#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

// A bounds-checked cursor over the bytes of a picture. Every read fails
// (returns false or an empty span) at the end of the data instead of reading
// past it, so decoders never trust a size from the file.
class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const uint8_t> data) : m_data(data) {}

    size_t Size() const { return m_data.size(); }
    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_data.size() - m_pos; }
    std::span<const uint8_t> Data() const { return m_data; }
    const uint8_t* Current() const { return m_data.data() + m_pos; }

    bool Seek(size_t pos) {
        if (pos > m_data.size())
            return false;
        m_pos = pos;
        return true;
    }
    bool Skip(size_t count) {
        if (count > Remaining())
            return false;
        m_pos += count;
        return true;
    }
    bool Read(void* out, size_t count) {
        if (count > Remaining())
            return false;
        if (count)
            std::memcpy(out, m_data.data() + m_pos, count);
        m_pos += count;
        return true;
    }
    // A view of the next `count` bytes, consumed; empty when not all are there.
    std::span<const uint8_t> Take(size_t count) {
        if (count > Remaining())
            return {};
        const auto part = m_data.subspan(m_pos, count);
        m_pos += count;
        return part;
    }
    bool U8(uint8_t& v) { return Read(&v, 1); }
    bool U16(uint16_t& v) {
        uint8_t b[2];
        if (!Read(b, 2))
            return false;
        v = uint16_t(b[0] | (b[1] << 8));
        return true;
    }
    bool U32(uint32_t& v) {
        uint8_t b[4];
        if (!Read(b, 4))
            return false;
        v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
            (uint32_t(b[3]) << 24);
        return true;
    }
    bool I32(int32_t& v) {
        uint32_t u;
        if (!U32(u))
            return false;
        v = int32_t(u);
        return true;
    }

private:
    std::span<const uint8_t> m_data;
    size_t m_pos = 0;
};
