#pragma once

#include "imaging/image_info.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include <QString>

class QImage;

// One raster picture in memory: a device-independent bitmap (header, palette,
// bottom-up rows padded to 4 bytes, all in one block) with an optional 8-bit
// alpha channel and the 348-byte information block. The image owns its DIB,
// its alpha channel and the resampled copy it keeps for display; it is copied
// by value. Pixel (x, y) counts from the bottom-left pixel, y upward.
class CRasterImage {
public:
    // Refused before allocating: larger images are never real pictures.
    static constexpr int kMaxSide = 30000;
    static constexpr int64_t kMaxPixels = 256LL * 1000 * 1000;

    CRasterImage() = default;
    virtual ~CRasterImage() = default;
    // A copy holds the pixels and the information block but no display copy:
    // copies are made for changing the pixels, and copying never reads the
    // display copy, which the original's painting may be making meanwhile.
    CRasterImage(const CRasterImage& other);
    CRasterImage& operator=(const CRasterImage& other);
    CRasterImage(CRasterImage&&) noexcept = default;
    CRasterImage& operator=(CRasterImage&&) noexcept = default;

    // Storage. The bit count is raised to 1, 4, 8 or 24; the palette is zeroed;
    // the alpha channel is dropped. On failure the image has no DIB.
    bool Allocate(int width, int height, int bitCount, int formatId);
    void Destroy();

    // Decoding replaces this image only on success; on failure only the last
    // error text changes. `Frame` picks the frame of GIF and ICO files.
    bool DecodeFrom(std::span<const uint8_t> bytes, int formatId);
    bool DecodeFrom(FILE* file, int formatId);
    bool DecodeFromFile(const QString& path, int formatId);
    bool EncodeTo(std::vector<uint8_t>& out, int formatId);
    bool SaveToFile(const QString& path, int formatId);
    // A clipboard DIB: header, optional masks and palette, then the rows.
    bool LoadFromPackedDib(std::span<const uint8_t> dib);
    // A rendered face or any Qt image, as a 24-bit image; an image with an
    // alpha channel (a pasted PNG, say) keeps it beside the colours.
    bool LoadFromQImage(const QImage& image);
    // This image as a Qt image (ARGB32 with the alpha channel, else RGB32).
    QImage ToQImage() const;

    // A decoder that can make a smaller picture cheaply (JPEG at 1/2, 1/4 or
    // 1/8 of its size) does so while the result stays at least this large on
    // both sides; 0 (the default) decodes at full size. Kept by later decodes.
    void SetDecodeHint(int minWidth, int minHeight) {
        m_hintWidth = minWidth > 0 ? minWidth : 0;
        m_hintHeight = minHeight > 0 ? minHeight : 0;
    }
    int HintWidth() const { return m_hintWidth; }
    int HintHeight() const { return m_hintHeight; }

    int Frame() const { return m_frame; }
    void SetFrame(int frame) { m_frame = frame; }

    bool IsValid() const { return !m_dib.empty(); }
    int Width() const { return m_header.width; }
    int Height() const { return m_header.height; }
    int BitCount() const { return m_header.bitCount; }
    int Stride() const { return int(m_info.rowStride); }
    int PaletteSize() const { return int(m_header.clrUsed); }
    const BitmapInfoHeader& Header() const { return m_header; }
    ImageInfo& Info() { return m_info; }
    const ImageInfo& Info() const { return m_info; }

    uint8_t* Bits() { return m_dib.empty() ? nullptr : m_dib.data() + PixelOffset(); }
    const uint8_t* Bits() const { return m_dib.empty() ? nullptr : m_dib.data() + PixelOffset(); }
    uint8_t* Row(int y) { return Bits() + size_t(y) * Stride(); }
    const uint8_t* Row(int y) const { return Bits() + size_t(y) * Stride(); }
    RgbQuad* Palette() {
        return reinterpret_cast<RgbQuad*>(m_dib.data() + sizeof(BitmapInfoHeader));
    }
    const RgbQuad* Palette() const {
        return reinterpret_cast<const RgbQuad*>(m_dib.data() + sizeof(BitmapInfoHeader));
    }
    // Header, palette and rows exactly as held.
    std::span<const uint8_t> Dib() const { return m_dib; }
    bool IsGreyRamp() const;

    void SetDpi(int x, int y);
    void SetDpiFromHeader(int32_t xPelsPerMeter, int32_t yPelsPerMeter);
    void SetError(const char* text);
    QString LastError() const;
    // The escape flag and the progress of a running transform, which another
    // thread may set or read while it runs.
    bool Cancelled() const;
    void RequestEscape();
    int Progress() const;
    void SetProgress(int percent);

    // Pixels.
    uint8_t PixelIndex(int x, int y) const;
    void SetPixelIndex(int x, int y, uint8_t index);
    RgbQuad ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, RgbQuad colour);
    RgbQuad KeyColour() const;
    uint8_t NearestIndex(RgbQuad colour) const;

    // Alpha channel: width × height bytes, rows bottom-up without padding.
    bool HasAlpha() const { return !m_alpha.empty(); }
    void AlphaCreate();
    void AlphaDelete() { m_alpha.clear(); }
    uint8_t* Alpha() { return m_alpha.empty() ? nullptr : m_alpha.data(); }
    const uint8_t* Alpha() const { return m_alpha.empty() ? nullptr : m_alpha.data(); }

    // Transforms; each fails only when there is no DIB.
    bool Flip();
    bool Mirror();
    bool RotateLeft();
    bool RotateRight();
    bool Light(int brightness, int contrast);
    bool Filter(const int kernel[9], int divisor, int offset);
    bool Negative();
    bool GrayScale();

    // Display cache: 24-bit rows (stride padded to 4) at the given device size,
    // made by the resampling filter on first use; ResetCache forces a new one.
    const uint8_t* ResampledCopy(int width, int height);
    void ResetCache();
    int CachedWidth() const { return m_cachedWidth; }
    int CachedHeight() const { return m_cachedHeight; }

private:
    // Writes the header copy into the DIB block, so both always agree.
    void SyncHeader();
    size_t PixelOffset() const { return sizeof(BitmapInfoHeader) + size_t(m_header.clrUsed) * 4; }

    ImageInfo m_info;
    int32_t m_cachedWidth = -1;
    int32_t m_cachedHeight = -1;
    std::vector<uint8_t> m_dib;
    BitmapInfoHeader m_header;
    std::vector<uint8_t> m_alpha;
    std::vector<uint8_t> m_resampled;
    int32_t m_resampledWidth = -1;
    int32_t m_resampledHeight = -1;
    int m_frame = 0;
    int m_hintWidth = 0;
    int m_hintHeight = 0;
};

// Bytes per padded row of `width` pixels at `bitCount` bits.
inline int DibStride(int width, int bitCount) {
    return int((int64_t(width) * bitCount + 31) / 32 * 4);
}
// Dimension check shared by every decoder; sets the error text on failure.
bool CheckImageSize(CRasterImage& image, int64_t width, int64_t height);
