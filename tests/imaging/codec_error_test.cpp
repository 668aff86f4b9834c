#include "image_test_support.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values, size_t size = 0) {
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(uint8_t(v));
    if (out.size() < size)
        out.resize(size, 0);
    return out;
}

void Put16(std::vector<uint8_t>& b, size_t at, int v) {
    b[at] = uint8_t(v), b[at + 1] = uint8_t(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

// A bare 40-byte DIB header of w x h at `bits` and `compression`, plus rows.
std::vector<uint8_t> DibHeader(int w, int h, int bits, int compression, size_t extra = 64) {
    std::vector<uint8_t> b(40 + extra, 0);
    Put32(b, 0, 40);
    Put32(b, 4, uint32_t(w));
    Put32(b, 8, uint32_t(h));
    Put16(b, 12, 1);
    Put16(b, 14, bits);
    Put32(b, 16, uint32_t(compression));
    return b;
}

// PCX header with the given fields; 8 x 1 pixels at one plane of 8 bits.
std::vector<uint8_t> PcxHeader(int manufacturer, int encoding, int planes) {
    std::vector<uint8_t> b(128, 0);
    b[0] = uint8_t(manufacturer), b[1] = 5, b[2] = uint8_t(encoding), b[3] = 8;
    Put16(b, 8, 7);
    b[65] = uint8_t(planes);
    Put16(b, 66, 8);
    return b;
}

std::vector<uint8_t> TgaHeader(int type, int w, int h, int depth) {
    std::vector<uint8_t> b(18, 0);
    b[2] = uint8_t(type);
    Put16(b, 12, w);
    Put16(b, 14, h);
    b[16] = uint8_t(depth);
    return b;
}

// A little-endian TIFF of one uncompressed 8-bit grey strip of `dataBytes`
// claiming w x h pixels with the given compression.
std::vector<uint8_t> TinyTiff(uint32_t w, uint32_t h, int compression, size_t dataBytes) {
    const std::pair<int, uint32_t> entries[] = {
        {256, w}, {257, h}, {258, 8}, {259, uint32_t(compression)}, {262, 1},
        {273, 0}, {277, 1}, {278, h}, {279, uint32_t(dataBytes)}};
    const size_t count = std::size(entries);
    const size_t dataAt = 8 + 2 + count * 12 + 4;
    std::vector<uint8_t> b(dataAt + dataBytes, 0);
    b[0] = 'I', b[1] = 'I', b[2] = 42;
    Put32(b, 4, 8);
    Put16(b, 8, int(count));
    for (size_t i = 0; i < count; ++i) {
        const size_t at = 10 + i * 12;
        const bool isShort = entries[i].first == 258 || entries[i].first == 259 ||
                             entries[i].first == 262 || entries[i].first == 277;
        Put16(b, at, entries[i].first);
        Put16(b, at + 2, isShort ? 3 : 4);
        Put32(b, at + 4, 1);
        Put32(b, at + 8, entries[i].first == 273 ? uint32_t(dataAt) : entries[i].second);
    }
    return b;
}

struct BrokenCase {
    const char* name;
    int format;
    std::vector<uint8_t> bytes;
    const char* message; // exact text, or a prefix ending in '*'
};

std::vector<BrokenCase> BrokenCases() {
    std::vector<BrokenCase> cases;
    cases.push_back({"bmp_bad_header_size", kFormatBmp, DibHeader(2, 2, 8, 0), "Not a BMP"});
    Put32(cases.back().bytes, 0, 7);
    cases.push_back(
        {"bmp_short_header", kFormatBmp, Bytes({40, 0, 0, 0, 2, 0}), "Error reading BMP info"});
    cases.push_back({"bmp_rle4_on_8_bits", kFormatBmp, DibHeader(2, 2, 8, 2),
                     "compression type not supported"});
    cases.push_back(
        {"bmp_24_compressed", kFormatBmp, DibHeader(2, 2, 24, 1), "unknown compression"});
    cases.push_back({"bmp_32_rle", kFormatBmp, DibHeader(2, 2, 32, 2), "unknown compression"});
    cases.push_back(
        {"bmp_rows_missing", kFormatBmp, DibHeader(64, 64, 24, 0), "Error reading BMP info"});
    cases.push_back({"bmp_too_wide", kFormatBmp, DibHeader(40000, 1, 24, 0), "Image too large*"});
    cases.push_back(
        {"bmp_too_many_pixels", kFormatBmp, DibHeader(20000, 20000, 8, 1), "Image too large*"});
    // Small files that claim huge pictures: refused before the pixels are
    // allocated, since their data could never fill them.
    cases.push_back({"bmp_rle4_claims_more_than_data", kFormatBmp, DibHeader(1792, 1280, 4, 2, 112),
                     "Error reading BMP info: the compressed data cannot fill the image"});
    cases.push_back({"bmp_rle8_claims_30000_x_8000", kFormatBmp,
                     DibHeader(30000, 8000, 8, 1, 1024 + 300),
                     "Error reading BMP info: the compressed data cannot fill the image"});
    cases.push_back({"tiff_claims_15000_x_15000", kFormatTiff, TinyTiff(15000, 15000, 1, 16),
                     "Corrupted TIFF file! (the file is too small for its image size)"});
    cases.push_back({"tiff_deflate_claims_15000_x_15000", kFormatTiff,
                     TinyTiff(15000, 15000, 8, 16),
                     "Corrupted TIFF file! (the file is too small for its image size)"});
    {
        // A real 447-byte JPEG whose frame header claims 16000 x 15000.
        auto b = ReadFixtureBytes("jpeg_rgb.jpg");
        const uint8_t kFrameMarker[] = {0xFF, 0xC0};
        const auto sof =
            std::search(b.begin(), b.end(), std::begin(kFrameMarker), std::end(kFrameMarker));
        if (sof != b.end()) {
            const size_t at = size_t(sof - b.begin());
            b[at + 5] = 15000 >> 8, b[at + 6] = 15000 & 0xFF;
            b[at + 7] = 16000 >> 8, b[at + 8] = 16000 & 0xFF;
        }
        cases.push_back({"jpeg_claims_16000_x_15000", kFormatJpeg, b,
                         "Corrupt JPEG data: the file is too small for its image size"});
    }
    cases.push_back({"tga_short", kFormatTga, Bytes({0, 0, 2, 0, 0}), "Not a TGA"});
    cases.push_back({"tga_type_5", kFormatTga, TgaHeader(5, 2, 2, 24), "Unknown TGA image type"});
    cases.push_back({"tga_rows_missing", kFormatTga, TgaHeader(2, 100, 100, 24), "corrupted TGA"});
    cases.push_back({"tga_rle_cut", kFormatTga, TgaHeader(10, 100, 100, 24), "corrupted TGA"});
    cases.back().bytes.insert(cases.back().bytes.end(), {0xFF, 1, 2, 3});
    cases.push_back({"pcx_short", kFormatPcx, Bytes({10, 5, 1, 8}, 100), "Can't read PCX image"});
    cases.push_back({"pcx_manufacturer", kFormatPcx, PcxHeader(11, 1, 1), "Error: Not a PCX file"});
    cases.push_back(
        {"pcx_encoding", kFormatPcx, PcxHeader(10, 0, 1), "PCX file has unknown encoding scheme"});
    cases.push_back({"pcx_planes", kFormatPcx, PcxHeader(10, 1, 5),
                     "Can't handle image with more than 4 planes"});
    {
        auto b = PcxHeader(10, 1, 1);
        b.insert(b.end(), 8, 0x01);
        b.push_back(11); // wrong marker
        b.insert(b.end(), 768, 0);
        cases.push_back({"pcx_palette_marker", kFormatPcx, b, "bad color map signature"});
        b[128 + 8] = 12;
        b[134] = 0xC9; // a run of 9 where two bytes are left
        cases.push_back({"pcx_run_past_end", kFormatPcx, b, "repeat count spans end of image"});
    }
    {
        auto b = PcxHeader(10, 1, 3);
        b.insert(b.end(), 5, 0x01);
        cases.push_back({"pcx_cut", kFormatPcx, b, "corrupted PCX"});
    }
    // 30000 x 8000 claimed by a stream of two bytes.
    cases.push_back({"gif_more_pixels_than_data", kFormatGif,
                     Bytes({'G',  'I',  'F',  '8',  '9', 'a', 1,   0,    1,    0, 0x80, 0,
                            0,    0,    0,    0,    255, 255, 255, 0x2C, 0,    0, 0,    0,
                            0x30, 0x75, 0x40, 0x1F, 0,   2,   2,   0x4C, 0x01, 0, 0x3B}),
                     "corrupted GIF"});
    cases.push_back({"gif_signature", kFormatGif, Bytes({'G', 'I', 'F', '7', 0, 0}), "Not a GIF"});
    cases.push_back({"ico_type", kFormatIco, Bytes({0, 0, 2, 0, 1, 0}), "Not an ICO"});
    cases.push_back({"png_garbage", kFormatPng, Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), "*"});
    cases.push_back({"tiff_garbage", kFormatTiff, Bytes({'I', 'I', 42, 0, 1}),
                     "Error encountered while opening TIFF file"});
    cases.push_back({"jpeg_garbage", kFormatJpeg, Bytes({1, 2, 3}), "*"});
    cases.push_back(
        {"wbmp", kFormatWbmp, Bytes({1, 2, 3}), "Unsupported operation for this format"});
    cases.push_back({"unknown_id", 42, Bytes({1}), "Unsupported operation for this format"});
    return cases;
}

bool Matches(const QString& text, const char* pattern) {
    const QString p = QString::fromLatin1(pattern);
    if (p.endsWith(u'*'))
        return text.startsWith(p.chopped(1)) && !text.isEmpty();
    return text == p;
}

// A decoded picture that every failure must leave as it was.
CRasterImage Original() {
    CRasterImage image = MakeRgbImage(2, 1, {0x123456, 0x654321});
    image.AlphaCreate();
    return image;
}

void ExpectUnchanged(const CRasterImage& image, const char* name) {
    const CRasterImage original = Original();
    ASSERT_TRUE(image.IsValid()) << name;
    EXPECT_EQ(image.Width(), 2) << name;
    EXPECT_TRUE(std::equal(image.Dib().begin(), image.Dib().end(), original.Dib().begin(),
                           original.Dib().end()))
        << name;
    EXPECT_TRUE(image.HasAlpha()) << name;
}

TEST(CodecErrors, EveryBrokenFileFailsWithItsMessageAndKeepsTheImage) {
    for (const auto& c : BrokenCases()) {
        CRasterImage image = Original();
        EXPECT_FALSE(image.DecodeFrom(c.bytes, c.format)) << c.name;
        EXPECT_TRUE(Matches(image.LastError(), c.message))
            << c.name << ": " << image.LastError().toStdString();
        ExpectUnchanged(image, c.name);
    }
}

TEST(CodecErrors, TruncatedFixturesFail) {
    // Cut in the middle of the pixel data of each kind of stream.
    const struct {
        const char* file;
        int format;
        const char* message;
    } cases[] = {{"bmp_24.bmp", kFormatBmp, "Error reading BMP info"},
                 {"tga_24.tga", kFormatTga, "corrupted TGA"},
                 {"tga_32_rle.tga", kFormatTga, "corrupted TGA"},
                 {"pcx_24.pcx", kFormatPcx, "corrupted PCX"},
                 {"gif_8.gif", kFormatGif, "corrupted GIF"},
                 {"png_rgb.png", kFormatPng, "*"},
                 {"jpeg_rgb.jpg", kFormatJpeg, "*"},
                 {"tiff_rgb.tif", kFormatTiff, "*"},
                 {"ico_32.ico", kFormatIco, "corrupted ICO"}};
    for (const auto& c : cases) {
        auto bytes = ReadFixtureBytes(c.file);
        ASSERT_FALSE(bytes.empty()) << c.file;
        bytes.resize(bytes.size() * 2 / 3);
        CRasterImage image = Original();
        EXPECT_FALSE(image.DecodeFrom(bytes, c.format)) << c.file;
        EXPECT_TRUE(Matches(image.LastError(), c.message))
            << c.file << ": " << image.LastError().toStdString();
        ExpectUnchanged(image, c.file);
    }
}

TEST(CodecErrors, MissingFramesFail) {
    for (const char* file : {"gif_8.gif", "ico_32.ico", "tiff_rgb.tif"}) {
        CRasterImage image = Original();
        image.SetFrame(3);
        const int format = file[0] == 'g' ? kFormatGif : file[0] == 'i' ? kFormatIco : kFormatTiff;
        EXPECT_FALSE(image.DecodeFromFile(ImageFixture(file), format)) << file;
        ExpectUnchanged(image, file);
    }
}

TEST(CodecErrors, RunLengthStreamsStayInsideTheirRows) {
    // 8-bit RLE, 4 x 2: a run of 200 on the first row, a delta far outside,
    // a literal of 9 on a row of 4; nothing may land outside the rows.
    auto b = DibHeader(4, 2, 8, 1, 0);
    b.resize(40 + 1024, 0);
    b[40 + 4 * 7 + 2] = 255; // palette entry 7 red
    b.insert(b.end(), {200, 7, 0, 2, 250, 1, 0, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 1});
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFrom(b, kFormatBmp)) << image.LastError().toStdString();
    EXPECT_EQ(PixelRgb(image, 3, 0), 0xFF0000u);
    EXPECT_EQ(image.PixelIndex(3, 1), 0);
}

TEST(CodecErrors, EscapeCancelsDecoding) {
    CRasterImage image = Original();
    image.Info().escape = 1;
    EXPECT_FALSE(image.DecodeFromFile(ImageFixture("tga_24_rle.tga"), kFormatTga));
    EXPECT_EQ(image.LastError(), QStringLiteral("Cancelled"));
    ExpectUnchanged(image, "cancelled");
}

} // namespace
