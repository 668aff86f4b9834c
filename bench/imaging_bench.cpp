#include "imaging/blend.h"
#include "imaging/image_codec.h"
#include "imaging/raster_image.h"
#include "synthetic_photo.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

// Decoding and display of a 12-megapixel photo. Qt's own readers decode the
// same bytes in the same run as the anchor.

namespace {

constexpr int kW = 4000, kH = 3000;

const CRasterImage& Photo() {
    static const CRasterImage photo = SyntheticPhoto(kW, kH);
    return photo;
}

std::vector<uint8_t> Encoded(int format) {
    CRasterImage image = Photo();
    image.Info().jpegQuality = 90;
    std::vector<uint8_t> out;
    image.EncodeTo(out, format);
    return out;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

const std::vector<uint8_t>& JpegBytes() {
    static const auto bytes = Encoded(kFormatJpeg);
    return bytes;
}
const std::vector<uint8_t>& PngBytes() {
    static const auto bytes = Encoded(kFormatPng);
    return bytes;
}
const std::vector<uint8_t>& BmpBytes() {
    static const auto bytes = [] {
        const auto dib = Photo().Dib();
        std::vector<uint8_t> out = {'B', 'M'};
        Put32(out, uint32_t(14 + dib.size()));
        Put32(out, 0);
        Put32(out, 14 + 40);
        out.insert(out.end(), dib.begin(), dib.end());
        return out;
    }();
    return bytes;
}

std::vector<uint8_t> TgaHeader(int type) {
    std::vector<uint8_t> h(18, 0);
    h[2] = uint8_t(type);
    h[12] = kW & 0xFF, h[13] = kW >> 8, h[14] = kH & 0xFF, h[15] = kH >> 8, h[16] = 24;
    return h;
}

const std::vector<uint8_t>& TgaRawBytes() {
    static const auto bytes = [] {
        auto out = TgaHeader(2);
        for (int y = 0; y < kH; ++y)
            out.insert(out.end(), Photo().Row(y), Photo().Row(y) + kW * 3);
        return out;
    }();
    return bytes;
}

// Run-length packets as an encoder makes them: runs of equal pixels, else
// literals of up to 128.
const std::vector<uint8_t>& TgaRleBytes() {
    static const auto bytes = [] {
        auto out = TgaHeader(10);
        for (int y = 0; y < kH; ++y) {
            const uint8_t* row = Photo().Row(y);
            int x = 0;
            while (x < kW) {
                int run = 1;
                while (x + run < kW && run < 128 &&
                       std::memcmp(row + 3 * x, row + 3 * (x + run), 3) == 0)
                    ++run;
                if (run > 1) {
                    out.push_back(uint8_t(0x80 | (run - 1)));
                    out.insert(out.end(), row + 3 * x, row + 3 * x + 3);
                    x += run;
                    continue;
                }
                int literal = 1;
                while (x + literal < kW && literal < 128 &&
                       std::memcmp(row + 3 * (x + literal - 1), row + 3 * (x + literal), 3) != 0)
                    ++literal;
                out.push_back(uint8_t(literal - 1));
                out.insert(out.end(), row + 3 * x, row + 3 * (x + literal));
                x += literal;
            }
        }
        return out;
    }();
    return bytes;
}

void SetRate(benchmark::State& state, double pixels) {
    state.counters["MP/s"] =
        benchmark::Counter(pixels / 1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void DecodeOwn(benchmark::State& state, const std::vector<uint8_t>& bytes, int format) {
    CRasterImage image;
    for (auto _ : state) {
        if (!image.DecodeFrom(bytes, format))
            state.SkipWithError(image.LastError().toUtf8().constData());
        benchmark::DoNotOptimize(image.Bits());
    }
    SetRate(state, double(kW) * kH);
}

void DecodeQt(benchmark::State& state, const std::vector<uint8_t>& bytes, const char* format) {
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    qsizetype(bytes.size()));
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImage image = QImage::fromData(data, format);
        if (image.isNull())
            state.SkipWithError("Qt could not decode");
        benchmark::DoNotOptimize(image.constBits());
    }
    SetRate(state, double(kW) * kH);
}

void BM_DecodeJpeg(benchmark::State& s) {
    DecodeOwn(s, JpegBytes(), kFormatJpeg);
}
void BM_DecodeJpegQtAnchor(benchmark::State& s) {
    DecodeQt(s, JpegBytes(), "JPG");
}
void BM_DecodePng(benchmark::State& s) {
    DecodeOwn(s, PngBytes(), kFormatPng);
}
void BM_DecodePngQtAnchor(benchmark::State& s) {
    DecodeQt(s, PngBytes(), "PNG");
}
void BM_DecodeBmp24(benchmark::State& s) {
    DecodeOwn(s, BmpBytes(), kFormatBmp);
}
void BM_DecodeBmp24QtAnchor(benchmark::State& s) {
    DecodeQt(s, BmpBytes(), "BMP");
}
void BM_DecodeTgaRaw(benchmark::State& s) {
    DecodeOwn(s, TgaRawBytes(), kFormatTga);
}
void BM_DecodeTgaRle(benchmark::State& s) {
    DecodeOwn(s, TgaRleBytes(), kFormatTga);
}

BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJpegQtAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePngQtAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBmp24QtAnchor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeTgaRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeTgaRle)->Unit(benchmark::kMillisecond);

constexpr int kViewW = 454, kViewH = 340;

// First draw at a new zoom: resample the whole photo, then blend.
void BM_FirstDraw454x340(benchmark::State& state) {
    CRasterImage image = Photo();
    const QImage canvas(kViewW, kViewH, QImage::Format_RGB32);
    QImage device(kViewW, kViewH, QImage::Format_RGB32);
    for (auto _ : state) {
        image.ResetCache();
        BlendedSection out;
        ComposeSection(image, canvas, QRect(0, 0, kViewW, kViewH), 255, QRect(0, 0, kViewW, kViewH),
                       false, out);
        benchmark::DoNotOptimize(out.section.constBits());
    }
    SetRate(state, double(kW) * kH);
}
BENCHMARK(BM_FirstDraw454x340)->Unit(benchmark::kMillisecond);

// Repaint at the same zoom: the cached copy is blended only.
void BM_Repaint454x340(benchmark::State& state) {
    CRasterImage image = Photo();
    QImage canvas(kViewW, kViewH, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    BlendedSection out;
    ComposeSection(image, canvas, QRect(0, 0, kViewW, kViewH), 255, QRect(0, 0, kViewW, kViewH),
                   false, out);
    for (auto _ : state) {
        ComposeSection(image, canvas, QRect(0, 0, kViewW, kViewH), 200, QRect(0, 0, kViewW, kViewH),
                       false, out);
        benchmark::DoNotOptimize(out.section.constBits());
    }
    SetRate(state, double(kViewW) * kViewH);
}
BENCHMARK(BM_Repaint454x340)->Unit(benchmark::kMicrosecond);

} // namespace
