#pragma once

#include "metafile.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

// Writes an enhanced metafile record by record in the published record
// layouts (record types in emf_records.h). The header is written first with placeholders and
// completed by Finish() (bounds, frame, byte and record counts, handles).
// Used by the Windows metafile conversion and the SVG recording.
class EmfWriter {
public:
    // A reference device of `dpi` pixels per inch (its size is only used to
    // relate pixels to millimetres).
    explicit EmfWriter(int dpi = 96);

    // Starts a record of `type`; its fields follow with the Put functions,
    // End() writes its size.
    void Begin(uint32_t type);
    void PutU32(uint32_t v);
    void PutI32(int32_t v) { PutU32(uint32_t(v)); }
    void PutU16(uint32_t v);
    void PutF32(float v);
    void PutBytes(QByteArrayView bytes);
    void PutRect(int32_t l, int32_t t, int32_t r, int32_t b);
    void PutPoint(QPoint p) {
        PutI32(p.x());
        PutI32(p.y());
    }
    // Points as 16-bit pairs when `small`, else as 32-bit ones.
    void PutPoints(const std::vector<QPoint>& points, bool small);
    void Align4();
    void End();

    // Whole records used often.
    void Simple(uint32_t type) {
        Begin(type);
        End();
    }
    void OneU32(uint32_t type, uint32_t v) {
        Begin(type);
        PutU32(v);
        End();
    }
    void TwoI32(uint32_t type, int32_t a, int32_t b) {
        Begin(type);
        PutI32(a);
        PutI32(b);
        End();
    }
    // A poly record: bounds, count, points (16-bit when all fit).
    void Poly(uint32_t type32, uint32_t type16, const std::vector<QPoint>& points);
    void PolyPoly(uint32_t type32, uint32_t type16, const std::vector<uint32_t>& counts,
                  const std::vector<QPoint>& points);
    // EXTCREATEFONTINDIRECTW with a LOGFONTW (height in logical units).
    void Font(uint32_t handle, int32_t height, int32_t width, int32_t escapement,
              int32_t orientation, int32_t weight, uint8_t italic, uint8_t underline,
              uint8_t strikeOut, uint8_t charSet, uint8_t pitchAndFamily, const QString& face);
    // EXTTEXTOUTW at `reference` with optional advances (logical units).
    void TextW(QPoint reference, const QString& text, uint32_t options, const EmfRect& rect,
               const std::vector<int32_t>& advances);
    // STRETCHDIBITS of a packed DIB (info header, colours, then pixels).
    void StretchDib(int32_t x, int32_t y, int32_t cx, int32_t cy, int32_t xSrc, int32_t ySrc,
                    int32_t cxSrc, int32_t cySrc, uint32_t usage, uint32_t rop, QByteArrayView dib);

    // Where the next record starts, and overwriting a 32-bit field written
    // earlier (for values known only at the end).
    qsizetype Offset() const { return m_out.size(); }
    void Patch(qsizetype offset, int32_t v);
    uint32_t Records() const { return m_records; }
    // Writes the end record and completes the header; `frame` in hundredths
    // of a millimetre, `bounds` in device pixels (both inclusive); `handles`
    // the size of the object table including the reserved index 0.
    QByteArray Finish(const EmfRect& bounds, const EmfRect& frame, uint32_t handles);

private:
    QByteArray m_out;
    qsizetype m_recordStart = -1;
    uint32_t m_records = 0;
    int m_dpi;
};

// The byte size of a packed DIB (header, colour table, pixels) that starts
// at `dib` and has `available` bytes, or 0 when its header is not one we can
// size or its pixels are not all there; `headerAndColours` receives the size
// of the info header with its masks and colour table.
uint64_t PackedDibSize(const uint8_t* dib, uint64_t available, uint32_t usage,
                       uint32_t* headerAndColours);
