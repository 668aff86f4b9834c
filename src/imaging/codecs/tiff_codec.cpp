#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <vector>

#include <tiffio.h>

namespace {

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

// The file's bytes, read through libtiff's client procedures.
struct MemoryFile {
    std::span<const uint8_t> data;
    toff_t pos = 0;
};

tsize_t ReadProc(thandle_t handle, tdata_t buffer, tsize_t size) {
    auto* file = static_cast<MemoryFile*>(handle);
    if (file->pos >= file->data.size())
        return 0;
    const size_t n = std::min<size_t>(size_t(size), file->data.size() - file->pos);
    std::memcpy(buffer, file->data.data() + file->pos, n);
    file->pos += n;
    return tsize_t(n);
}

tsize_t WriteProc(thandle_t, tdata_t, tsize_t) {
    return 0;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(handle);
    toff_t base = whence == SEEK_CUR ? file->pos : whence == SEEK_END ? file->data.size() : 0;
    file->pos = base + offset;
    return file->pos;
}

int CloseProc(thandle_t) {
    return 0;
}
toff_t SizeProc(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->data.size();
}
int MapProc(thandle_t handle, tdata_t* base, toff_t* size) {
    auto* file = static_cast<MemoryFile*>(handle);
    *base = const_cast<uint8_t*>(file->data.data());
    *size = file->data.size();
    return 1;
}
void UnmapProc(thandle_t, tdata_t, toff_t) {
}

// Whether `fileBytes` of TIFF can describe a w x h page at all. No codec of
// TIFF expands data without bound: deflate, the best ratio among them, turns
// one byte into at most 1032, and fax (CCITT) coding spends at least one bit
// on a row. A page its file cannot hold is refused before its pixels are
// allocated, so a tiny file cannot claim hundreds of megabytes.
bool PagePlausible(TIFF* tiff, size_t fileBytes, uint32_t w, uint32_t h) {
    constexpr uint64_t kMaxExpansion = 1032;
    uint16_t compression = COMPRESSION_NONE, bits = 1, samples = 1;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    const bool fax = compression == COMPRESSION_CCITTRLE || compression == COMPRESSION_CCITTRLEW ||
                     compression == COMPRESSION_CCITTFAX3 || compression == COMPRESSION_CCITTFAX4;
    if (fax)
        return uint64_t(h) <= uint64_t(fileBytes) * 8;
    const uint64_t rowBytes =
        (uint64_t(w) * std::max<uint16_t>(bits, 1) * std::max<uint16_t>(samples, 1) + 7) / 8;
    return rowBytes * h <= uint64_t(fileBytes) * kMaxExpansion + 65536;
}

// libtiff's messages are not shown; the decoder reports its own.
int Quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

class TiffCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatTiff; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 4 &&
               ((head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0) ||
                (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42));
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        MemoryFile file{in.Data().subspan(in.Position())};
        TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
        TIFFOpenOptionsSetErrorHandlerExtR(options, Quiet, nullptr);
        TIFFOpenOptionsSetWarningHandlerExtR(options, Quiet, nullptr);
        // No single allocation beyond what the largest accepted image needs.
        TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(CRasterImage::kMaxPixels) * 4);
        TIFF* tiff = TIFFClientOpenExt("memory", "rm", &file, ReadProc, WriteProc, SeekProc,
                                       CloseProc, SizeProc, MapProc, UnmapProc, options);
        TIFFOpenOptionsFree(options);
        if (!tiff)
            return Fail(out, "Error encountered while opening TIFF file");
        const bool ok = ReadPage(tiff, out, file.data.size());
        TIFFClose(tiff);
        return ok;
    }

private:
    // 8-bit RGB or RGBA in strips, read as stored: exact colours even where
    // the alpha is 0, which the general RGBA reader premultiplies away.
    // Returns false without an error text when the page is of another kind.
    static bool ReadPlainRgb(TIFF* tiff, CRasterImage& out, uint32_t w, uint32_t h, bool alpha) {
        uint16_t photometric = 0, bits = 0, samples = 0, planar = PLANARCONFIG_CONTIG;
        TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
        uint16_t orientation = ORIENTATION_TOPLEFT;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
        if (photometric != PHOTOMETRIC_RGB || bits != 8 || planar != PLANARCONFIG_CONTIG ||
            TIFFIsTiled(tiff) || orientation != ORIENTATION_TOPLEFT || samples != (alpha ? 4 : 3))
            return false;
        const tmsize_t lineBytes = TIFFScanlineSize(tiff);
        if (lineBytes < tmsize_t(w) * samples)
            return false;
        CRasterImage image;
        if (!image.Allocate(int(w), int(h), 24, kFormatTiff)) {
            out.SetError(image.Info().lastError);
            return false;
        }
        if (alpha)
            image.AlphaCreate();
        std::vector<uint8_t> line(static_cast<size_t>(lineBytes));
        for (uint32_t r = 0; r < h; ++r) {
            if (out.Cancelled())
                return Fail(out, "Cancelled");
            if (TIFFReadScanline(tiff, line.data(), r, 0) < 0)
                return Fail(out, "Corrupted TIFF file!");
            const int y = int(h - 1 - r);
            const uint8_t* s = line.data();
            uint8_t* d = image.Row(y);
            uint8_t* a = alpha ? image.Alpha() + size_t(y) * w : nullptr;
            for (uint32_t x = 0; x < w; ++x, s += samples, d += 3) {
                d[0] = s[2], d[1] = s[1], d[2] = s[0];
                if (a)
                    a[x] = s[3];
            }
        }
        SetResolution(tiff, image);
        out = std::move(image);
        return true;
    }

    static void SetResolution(TIFF* tiff, CRasterImage& image) {
        float xRes = 0, yRes = 0;
        uint16_t unit = RESUNIT_INCH;
        TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
        if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &xRes) &&
            TIFFGetField(tiff, TIFFTAG_YRESOLUTION, &yRes) && xRes > 0 && yRes > 0 &&
            xRes < 100000 && yRes < 100000) {
            const double scale = unit == RESUNIT_CENTIMETER ? 2.54 : 1.0;
            image.SetDpi(int(xRes * scale + 0.5), int(yRes * scale + 0.5));
        }
    }

    static bool ReadPage(TIFF* tiff, CRasterImage& out, size_t fileBytes) {
        if (out.Frame() > 0 && !TIFFSetDirectory(tiff, tdir_t(out.Frame())))
            return Fail(out, "Error: page not present in TIFF file");
        uint32_t w = 0, h = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
        if (!CheckImageSize(out, w, h))
            return false;
        if (!PagePlausible(tiff, fileBytes, w, h))
            return Fail(out, "Corrupted TIFF file! (the file is too small for its image size)");
        uint16_t extraCount = 0;
        uint16_t* extraTypes = nullptr;
        TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
        const bool alpha = extraCount > 0;
        if (ReadPlainRgb(tiff, out, w, h, alpha))
            return true;
        if (out.Info().lastError[0])
            return false;
        CRasterImage image;
        if (!image.Allocate(int(w), int(h), 24, kFormatTiff)) {
            out.SetError(image.Info().lastError);
            return false;
        }
        if (alpha)
            image.AlphaCreate();
        const bool unassociated = alpha && extraTypes && extraTypes[0] == EXTRASAMPLE_UNASSALPHA;
        // Stripped pages are converted one strip at a time, so the RGBA
        // buffer stays small; tiled pages are converted whole.
        const bool tiled = TIFFIsTiled(tiff);
        uint32_t rowsPerStrip = h;
        if (!tiled)
            TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
        rowsPerStrip = std::clamp<uint32_t>(rowsPerStrip, 1, h);
        std::vector<uint32_t> raster;
        try {
            raster.resize(size_t(w) * (tiled ? h : rowsPerStrip));
        } catch (const std::bad_alloc&) {
            return Fail(out, "No space for raster buffer");
        }
        for (uint32_t top = 0; top < h; top += rowsPerStrip) {
            if (out.Cancelled())
                return Fail(out, "Cancelled");
            const uint32_t rows = tiled ? h : std::min(rowsPerStrip, h - top);
            // Both readers put the lowest row first, as the DIB holds rows.
            const int ok =
                tiled ? TIFFReadRGBAImageOriented(tiff, w, h, raster.data(), ORIENTATION_BOTLEFT, 0)
                      : TIFFReadRGBAStrip(tiff, top, raster.data());
            if (!ok)
                return Fail(out, "Corrupted TIFF file!");
            for (uint32_t k = 0; k < rows; ++k) {
                const int y = int(h - top - rows + k);
                const uint32_t* px = raster.data() + size_t(k) * w;
                uint8_t* d = image.Row(y);
                uint8_t* a = alpha ? image.Alpha() + size_t(y) * w : nullptr;
                for (uint32_t x = 0; x < w; ++x, d += 3) {
                    d[0] = uint8_t(TIFFGetB(px[x]));
                    d[1] = uint8_t(TIFFGetG(px[x]));
                    d[2] = uint8_t(TIFFGetR(px[x]));
                    if (!a)
                        continue;
                    a[x] = uint8_t(TIFFGetA(px[x]));
                    // The RGBA reader premultiplies unassociated alpha; undo it.
                    if (unassociated && a[x] > 0 && a[x] < 255)
                        for (int c = 0; c < 3; ++c)
                            d[c] = uint8_t(std::min(255, (d[c] * 255 + a[x] / 2) / a[x]));
                }
            }
            if (tiled)
                break;
        }
        SetResolution(tiff, image);
        out = std::move(image);
        return true;
    }
};

} // namespace

const ImageCodec& TiffCodec() {
    static const TiffCodecImpl codec;
    return codec;
}
