#include "imaging/raster_image.h"

#include "imaging/decode_limits.h"
#include "imaging/image_codec.h"
#include "platform/atomic_file.h"
#include "platform/file_reading.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>

#include <QFile>
#include <QImage>

namespace {

// The pixel block of the last image replaced by a decode, kept for the next
// allocation: a fresh block of tens of megabytes costs more in page faults
// than decoding into it. Only blocks up to this size are kept.
constexpr size_t kMaxSpareBytes = size_t(128) << 20;
thread_local std::vector<uint8_t> t_spareDib;

void KeepSpare(std::vector<uint8_t>& block) {
    if (block.capacity() <= kMaxSpareBytes && block.capacity() > t_spareDib.capacity())
        t_spareDib.swap(block);
}

int64_t g_decodePixelLimit = CRasterImage::kMaxPixels;

} // namespace

int64_t DecodePixelLimit() {
    return g_decodePixelLimit;
}

void SetDecodePixelLimit(int64_t pixels) {
    g_decodePixelLimit = std::clamp<int64_t>(pixels, 1, CRasterImage::kMaxPixels);
}

bool CheckImageSize(CRasterImage& image, int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) {
        image.SetError("Image has no pixels");
        return false;
    }
    if (width > CRasterImage::kMaxSide || height > CRasterImage::kMaxSide ||
        width * height > g_decodePixelLimit) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Image too large: %lld x %lld pixels (the limit is 30000 pixels on a side "
                      "and 256 megapixels)",
                      static_cast<long long>(width), static_cast<long long>(height));
        image.SetError(text);
        return false;
    }
    return true;
}

bool CRasterImage::Allocate(int width, int height, int bitCount, int formatId) {
    Destroy();
    if (!CheckImageSize(*this, width, height))
        return false;
    bitCount = bitCount <= 1 ? 1 : bitCount <= 4 ? 4 : bitCount <= 8 ? 8 : 24;
    const int paletteSize = bitCount == 24 ? 0 : 1 << bitCount;
    const int stride = DibStride(width, bitCount);
    const size_t total =
        sizeof(BitmapInfoHeader) + size_t(paletteSize) * 4 + size_t(stride) * height;
    try {
        if (t_spareDib.capacity() >= total && m_dib.capacity() < total)
            m_dib.swap(t_spareDib);
        m_dib.assign(total, 0);
    } catch (const std::bad_alloc&) {
        m_dib.clear();
        SetError("Can't allocate memory");
        return false;
    }
    m_header = BitmapInfoHeader{};
    m_header.width = width;
    m_header.height = height;
    m_header.bitCount = uint16_t(bitCount);
    m_header.sizeImage = uint32_t(size_t(stride) * height);
    m_header.clrUsed = uint32_t(paletteSize);
    m_info.rowStride = uint32_t(stride);
    m_info.formatId = formatId;
    m_info.colorType = bitCount == 24 ? 2 : 1;
    m_cachedWidth = width;
    m_cachedHeight = height;
    m_alpha.clear();
    m_resampled.clear();
    m_resampledWidth = m_resampledHeight = -1;
    SetDpi(m_info.xDpi, m_info.yDpi);
    return true;
}

void CRasterImage::Destroy() {
    m_dib.clear();
    m_dib.shrink_to_fit();
    m_alpha.clear();
    m_resampled.clear();
    m_resampledWidth = m_resampledHeight = -1;
    m_header = BitmapInfoHeader{};
}

void CRasterImage::SyncHeader() {
    if (!m_dib.empty())
        std::memcpy(m_dib.data(), &m_header, sizeof m_header);
}

bool CRasterImage::IsGreyRamp() const {
    if (m_dib.empty() || m_header.clrUsed == 0)
        return false;
    const RgbQuad* palette = Palette();
    const uint32_t count = m_header.clrUsed;
    for (uint32_t i = 0; i < count; ++i) {
        const int v = int(i);
        if (palette[i].red != v || palette[i].green != v || palette[i].blue != v)
            return false;
    }
    return true;
}

namespace {

// Resolutions from files can be anything; conversions saturate instead of
// overflowing.
int32_t Saturate(double value) {
    return int32_t(std::clamp(value, double(INT32_MIN), double(INT32_MAX)));
}

} // namespace

void CRasterImage::SetDpi(int x, int y) {
    m_info.xDpi = x;
    m_info.yDpi = y;
    m_header.xPelsPerMeter = Saturate(std::floor(x * 39.37007874015748 + 0.5));
    m_header.yPelsPerMeter = Saturate(std::floor(y * 39.37007874015748 + 0.5));
    SyncHeader();
}

void CRasterImage::SetDpiFromHeader(int32_t xPelsPerMeter, int32_t yPelsPerMeter) {
    m_info.xDpi = Saturate(std::floor(xPelsPerMeter * 0.0254 + 0.5));
    m_info.yDpi = Saturate(std::floor(yPelsPerMeter * 0.0254 + 0.5));
    m_header.xPelsPerMeter = xPelsPerMeter;
    m_header.yPelsPerMeter = yPelsPerMeter;
    SyncHeader();
}

void CRasterImage::SetError(const char* text) {
    std::strncpy(m_info.lastError, text, sizeof m_info.lastError - 1);
    m_info.lastError[sizeof m_info.lastError - 1] = 0;
}

QString CRasterImage::LastError() const {
    return QString::fromLatin1(m_info.lastError, qsizetype(strnlen(m_info.lastError, 256)));
}

bool CRasterImage::DecodeFrom(std::span<const uint8_t> bytes, int formatId) {
    const ImageCodec* codec = FindImageCodec(formatId);
    if (!codec) {
        SetError("Unsupported operation for this format");
        return false;
    }
    CRasterImage decoded;
    decoded.m_frame = m_frame;
    decoded.SetDecodeHint(m_hintWidth, m_hintHeight);
    decoded.m_info.escape = m_info.escape;
    ByteReader reader(bytes);
    if (!codec->Decode(reader, decoded) || !decoded.IsValid()) {
        if (decoded.m_info.lastError[0] == 0)
            decoded.SetError("Error decoding image");
        std::memcpy(m_info.lastError, decoded.m_info.lastError, sizeof m_info.lastError);
        return false;
    }
    decoded.m_info.formatId = formatId;
    decoded.m_info.escape = 0;
    decoded.m_info.lastError[0] = 0;
    const int frame = m_frame;
    KeepSpare(m_dib);
    *this = std::move(decoded);
    m_frame = frame;
    m_cachedWidth = Width();
    m_cachedHeight = Height();
    return true;
}

bool CRasterImage::DecodeFrom(FILE* file, int formatId) {
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return DecodeFrom(bytes, formatId);
}

bool CRasterImage::DecodeFromFile(const QString& path, int formatId) {
    QFile file;
    QString error;
    if (!OpenRegularFile(path, file, &error)) {
        SetError("Can't open file");
        return false;
    }
    if (file.size() == 0)
        return DecodeFrom(std::span<const uint8_t>(), formatId);
    // Mapping avoids copying large files; fall back to reading.
    if (uchar* mapped = file.map(0, file.size()))
        return DecodeFrom(std::span<const uint8_t>(mapped, size_t(file.size())), formatId);
    const QByteArray all = file.readAll();
    return DecodeFrom(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(all.data()), size_t(all.size())),
        formatId);
}

bool CRasterImage::EncodeTo(std::vector<uint8_t>& out, int formatId) {
    const ImageCodec* codec = FindImageCodec(formatId);
    if (!codec || !codec->CanEncode()) {
        SetError("Unsupported operation for this format");
        return false;
    }
    if (!IsValid()) {
        SetError("No image to save");
        return false;
    }
    out.clear();
    return codec->Encode(*this, out);
}

bool CRasterImage::SaveToFile(const QString& path, int formatId) {
    std::vector<uint8_t> bytes;
    if (!EncodeTo(bytes, formatId))
        return false;
    QString error;
    if (!WriteFileAtomically(
            path,
            QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
            &error)) {
        SetError("Write Error");
        return false;
    }
    return true;
}

bool CRasterImage::LoadFromPackedDib(std::span<const uint8_t> dib) {
    CRasterImage decoded;
    ByteReader reader(dib);
    if (!DecodeDib(reader, decoded, 0)) {
        std::memcpy(m_info.lastError, decoded.m_info.lastError, sizeof m_info.lastError);
        return false;
    }
    *this = std::move(decoded);
    return true;
}

bool CRasterImage::LoadFromQImage(const QImage& source) {
    if (source.isNull()) {
        SetError("No image");
        return false;
    }
    const QImage bgr = source.convertToFormat(QImage::Format_BGR888);
    CRasterImage made;
    if (!made.Allocate(bgr.width(), bgr.height(), 24, kFormatBmp)) {
        std::memcpy(m_info.lastError, made.m_info.lastError, sizeof m_info.lastError);
        return false;
    }
    const int h = bgr.height();
    for (int y = 0; y < h; ++y)
        std::memcpy(made.Row(h - 1 - y), bgr.constScanLine(y), size_t(bgr.width()) * 3);
    const int dpmX = source.dotsPerMeterX(), dpmY = source.dotsPerMeterY();
    if (dpmX > 0 && dpmY > 0)
        made.SetDpiFromHeader(dpmX, dpmY);
    *this = std::move(made);
    return true;
}

QImage CRasterImage::ToQImage() const {
    if (!IsValid())
        return {};
    const int w = Width(), h = Height();
    QImage out(w, h, HasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(h - 1 - y));
        const uint8_t* alpha = HasAlpha() ? m_alpha.data() + size_t(y) * w : nullptr;
        if (BitCount() == 24) {
            const uint8_t* row = Row(y);
            for (int x = 0; x < w; ++x)
                line[x] = qRgba(row[3 * x + 2], row[3 * x + 1], row[3 * x], alpha ? alpha[x] : 255);
        } else {
            for (int x = 0; x < w; ++x) {
                const RgbQuad c = Palette()[PixelIndex(x, y)];
                line[x] = qRgba(c.red, c.green, c.blue, alpha ? alpha[x] : 255);
            }
        }
    }
    out.setDotsPerMeterX(m_header.xPelsPerMeter);
    out.setDotsPerMeterY(m_header.yPelsPerMeter);
    return out;
}

uint8_t CRasterImage::PixelIndex(int x, int y) const {
    if (!IsValid() || BitCount() == 24 || x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const uint8_t* row = Row(y);
    const uint8_t index = BitCount() == 8   ? row[x]
                          : BitCount() == 4 ? uint8_t((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F)
                                            : uint8_t((row[x >> 3] >> (7 - (x & 7))) & 1);
    return index;
}

void CRasterImage::SetPixelIndex(int x, int y, uint8_t index) {
    if (!IsValid() || BitCount() == 24 || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    uint8_t* row = Row(y);
    if (BitCount() == 8) {
        row[x] = index;
    } else if (BitCount() == 4) {
        const int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = uint8_t((row[x >> 1] & ~(0x0F << shift)) | ((index & 0x0F) << shift));
    } else {
        const int shift = 7 - (x & 7);
        row[x >> 3] = uint8_t((row[x >> 3] & ~(1 << shift)) | ((index & 1) << shift));
    }
}

RgbQuad CRasterImage::ReadPixel(int x, int y) const {
    if (!IsValid() || x < 0 || y < 0 || x >= Width() || y >= Height()) {
        if (IsValid() && BitCount() < 24 && m_info.backgroundIndex >= 0 &&
            uint32_t(m_info.backgroundIndex) < m_header.clrUsed)
            return Palette()[m_info.backgroundIndex];
        return m_info.backgroundColor;
    }
    if (BitCount() == 24) {
        const uint8_t* p = Row(y) + size_t(x) * 3;
        return RgbQuad{p[0], p[1], p[2], 0};
    }
    const uint8_t index = PixelIndex(x, y);
    return index < m_header.clrUsed ? Palette()[index] : RgbQuad{};
}

uint8_t CRasterImage::NearestIndex(RgbQuad c) const {
    int best = 0;
    long bestDistance = -1;
    for (uint32_t i = 0; i < m_header.clrUsed; ++i) {
        const RgbQuad p = Palette()[i];
        const long dr = p.red - c.red, dg = p.green - c.green, db = p.blue - c.blue;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return uint8_t(best);
}

void CRasterImage::WritePixel(int x, int y, RgbQuad colour) {
    if (!IsValid() || x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    if (BitCount() == 24) {
        uint8_t* p = Row(y) + size_t(x) * 3;
        p[0] = colour.blue;
        p[1] = colour.green;
        p[2] = colour.red;
    } else {
        SetPixelIndex(x, y, NearestIndex(colour));
    }
}

RgbQuad CRasterImage::KeyColour() const {
    if (IsValid() && BitCount() < 24 && m_info.backgroundIndex >= 0 &&
        uint32_t(m_info.backgroundIndex) < m_header.clrUsed)
        return Palette()[m_info.backgroundIndex];
    return m_info.backgroundColor;
}

void CRasterImage::AlphaCreate() {
    if (!IsValid())
        return;
    if (m_alpha.empty())
        m_alpha.assign(size_t(Width()) * Height(), 255);
    if (BitCount() == 24)
        m_info.colorType = 4;
}

void CRasterImage::ResetCache() {
    m_resampled.clear();
    m_resampledWidth = m_resampledHeight = -1;
    m_cachedWidth = m_cachedHeight = -1;
}
