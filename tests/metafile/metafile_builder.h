#pragma once

#include <QByteArray>

#include <cstdint>
#include <initializer_list>

// Hand-built Windows metafiles for the tests: records are given as their
// function and 16-bit parameters; the header and size field are computed
// unless a test wants them wrong.
struct WmfBuilder {
    QByteArray records;

    WmfBuilder& Record(uint16_t function, std::initializer_list<int> words) {
        Put32(records, uint32_t(3 + words.size()));
        Put16(records, function);
        for (int w : words)
            Put16(records, uint16_t(w));
        return *this;
    }
    // A record of any size field, for damaged records.
    WmfBuilder& RawRecord(uint32_t sizeWords, uint16_t function, QByteArray params) {
        Put32(records, sizeWords);
        Put16(records, function);
        records.append(params);
        return *this;
    }
    WmfBuilder& End() { return Record(0x0000, {}); }

    // The 18-byte header and the records; `extraWords` added to the size field.
    QByteArray Metafile(int extraWords = 0) const {
        QByteArray out;
        Put16(out, 1); // type: in memory
        Put16(out, 9); // header size in words
        Put16(out, 0x0300);
        Put32(out, uint32_t((18 + records.size()) / 2 + extraWords));
        Put16(out, 8);  // objects
        Put32(out, 16); // largest record
        Put16(out, 0);
        return out + records;
    }
    // With a placeable header for the box at `unitsPerInch`.
    static QByteArray Placeable(int left, int top, int right, int bottom, int unitsPerInch,
                                bool goodChecksum = true) {
        QByteArray h;
        Put32(h, 0x9AC6CDD7);
        Put16(h, 0);
        Put16(h, uint16_t(left));
        Put16(h, uint16_t(top));
        Put16(h, uint16_t(right));
        Put16(h, uint16_t(bottom));
        Put16(h, uint16_t(unitsPerInch));
        Put32(h, 0);
        uint16_t sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= uint16_t(uint8_t(h[2 * i]) | uint8_t(h[2 * i + 1]) << 8);
        Put16(h, goodChecksum ? sum : uint16_t(sum ^ 0x5555));
        return h;
    }

    static void Put16(QByteArray& out, uint16_t v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    }
    static void Put32(QByteArray& out, uint32_t v) {
        Put16(out, uint16_t(v & 0xFFFF));
        Put16(out, uint16_t(v >> 16));
    }
};

// Little-endian reads of test output.
inline uint32_t U32At(const QByteArray& b, qsizetype at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}
inline int32_t I32At(const QByteArray& b, qsizetype at) {
    return int32_t(U32At(b, at));
}
