// Windows and enhanced metafiles as raster pictures (a background picture):
// the metafile is played into a white 24-bit bitmap of its natural size.
#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include "metafile/emf_player.h"
#include "metafile/metafile.h"

#include <QImage>
#include <QPainter>

namespace {

// Screen dots per inch of the rendering, as the rest of the program uses.
constexpr int kScreenDpi = 96;
// Longer sides are reduced to this, the other side in proportion.
constexpr int kMaxRenderSide = 4000;

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

QByteArrayView View(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

class MetafileCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatWmf; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return LooksLikeEnhancedMetafile(View(head)) ||
               (head.size() >= 4 && head[0] == 0xD7 && head[1] == 0xCD && head[2] == 0xC6 &&
                head[3] == 0x9A);
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        const QByteArrayView source = View(in.Data());
        PlaceableHeader placeable;
        if (source.size() >= PlaceableHeader::kFileSize)
            std::copy_n(reinterpret_cast<const uint8_t*>(source.data()), PlaceableHeader::kFileSize,
                        placeable.bytes.begin());
        // A placeable metafile counts only with its checksum right and a
        // sensible resolution; anything else must be an enhanced metafile.
        const uint16_t upi = placeable.UnitsPerInch();
        const bool isPlaceable = placeable.Present() &&
                                 placeable.Checksum() == placeable.ComputedChecksum() && upi >= 1 &&
                                 upi <= 2540;
        QByteArray emf;
        int64_t width = 0, height = 0;
        if (isPlaceable) {
            WindowsMetafile wmf;
            if (!ReadWindowsMetafile(source, &wmf, nullptr) ||
                !ConvertWindowsMetafile(wmf, &emf, nullptr))
                return Fail(out, "corrupted WMF");
            width = (int64_t(placeable.Right()) - placeable.Left()) * kScreenDpi / upi;
            height = (int64_t(placeable.Bottom()) - placeable.Top()) * kScreenDpi / upi;
        } else {
            EmfHeader header;
            if (!ReadEnhancedMetafile(source, &emf, &header, nullptr))
                return Fail(out, "corrupted WMF");
            width = header.bounds.Width() + 1;
            height = header.bounds.Height() + 1;
        }
        width = std::abs(width);
        height = std::abs(height);
        if (width == 0 || height == 0)
            return Fail(out, "empty WMF");
        if (width > kMaxRenderSide) {
            height = std::max<int64_t>(1, height * kMaxRenderSide / width);
            width = kMaxRenderSide;
        }
        if (height > kMaxRenderSide) {
            width = std::max<int64_t>(1, width * kMaxRenderSide / height);
            height = kMaxRenderSide;
        }
        if (!CheckImageSize(out, width, height))
            return false;
        QImage image(int(width), int(height), QImage::Format_RGB32);
        if (image.isNull())
            return Fail(out, "Can't allocate memory");
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PlayEnhMetaFile(painter, emf, QRectF(0, 0, double(width), double(height)));
        }
        if (!out.LoadFromQImage(image))
            return Fail(out, "Can't allocate memory");
        return true;
    }
};

} // namespace

const ImageCodec& MetafileCodec() {
    static const MetafileCodecImpl codec;
    return codec;
}
