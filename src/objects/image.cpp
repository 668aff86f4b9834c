#include "image.h"

#include "picture_pixel_cache.h"

#include "imaging/exif_orientation.h"
#include "imaging/image_codec.h"
#include "imaging/image_data_block.h"
#include "imaging/raster_image.h"
#include "platform/file_reading.h"

#include <QFile>

#include <cstring>
#include <limits>

namespace {

constexpr int kRecordPrefix = 4 + 4 + int(sizeof(ImageInfo)) + 4; // fields before the data

void PutI32(QByteArray& out, int32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char(uint32_t(v) >> (8 * i)));
}

std::span<const uint8_t> Bytes(QByteArrayView view) {
    return {reinterpret_cast<const uint8_t*>(view.data()), size_t(view.size())};
}

// The data block's encoding for an image with these options, as
// WriteImageDataBlock chooses it: kFormatBmp for the DIB itself.
int DataBlockFormat(const CRasterImage& image, int hasAlpha) {
    if (image.PaletteSize() != 0 && !image.IsGreyRamp())
        return kFormatBmp;
    return image.Info().transparentColour != 0 || hasAlpha == 1 ? kFormatPng : kFormatJpeg;
}

qsizetype AlphaBytes(const CRasterImage& image) {
    return image.HasAlpha() ? qsizetype(image.Width()) * image.Height() : 0;
}

} // namespace

const ArchiveClass& CImage::StaticClass() {
    static const ArchiveClass cls{"CImage", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CImage); }};
    return cls;
}

CImage::CImage() : m_image(std::make_shared<CRasterImage>()) {
}

CImage::~CImage() = default;

CImage::CImage(int left, int top, int right, int bottom) : CImage() {
    SetX(left);
    SetY(top);
    SetWidth(right - left);
    SetHeight(bottom - top);
    if (Width() == 0 || Height() == 0) {
        SetWidth(-1);
        SetHeight(-1);
    }
}

CImage::CImage(int x, int y) : CImage() {
    SetX(x);
    SetY(y);
    SetWidth(-1);
    SetHeight(-1);
}

bool CImage::LoadFile(const QString& path) {
    const int format = ImageFormatFromExtension(path);
    // Metafiles reach here only when they are not vector pictures (a
    // background picture): the codec renders them.
    if (format < 0 || FindImageCodec(format) == nullptr)
        return false;
    // Only a regular file of sane size: a FIFO or a device would never end.
    QByteArray bytes;
    QString error;
    if (!ReadFileBounded(path, kPictureFileLimit, &bytes, &error))
        return false;
    return LoadBytes(bytes, format);
}

bool CImage::LoadFileBytes(const QByteArray& bytes) {
    int format = -1;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        format = kFormatJpeg;
    else if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        format = kFormatPng;
    else if (bytes.startsWith("GIF8"))
        format = kFormatGif;
    else if (bytes.startsWith("BM"))
        format = kFormatBmp;
    if (format < 0 || bytes.size() > kPictureFileLimit || FindImageCodec(format) == nullptr)
        return false;
    return LoadBytes(bytes, format);
}

bool CImage::LoadBytes(const QByteArray& bytes, int format) {
    // A photo is placed the way up its EXIF orientation says: a JPEG file is
    // turned losslessly and kept as JPEG; when that fails, its pixels turn.
    QByteArray data = bytes;
    int turnPixels = 1;
    if (format == kFormatJpeg) {
        const int orientation = JpegOrientation(bytes);
        if (orientation != 1 && !UprightJpeg(bytes, &data))
            turnPixels = orientation;
    }
    auto image = std::make_shared<CRasterImage>();
    if (!image->DecodeFrom(Bytes(data), format))
        return false;
    if (turnPixels != 1 && !OrientPixels(*image, turnPixels))
        return false;
    m_image = std::move(image);
    m_encodedRecord.clear();
    ForgetSource();
    if ((format == kFormatJpeg || format == kFormatPng) && turnPixels == 1)
        m_source = {data, 0, data.size(), format};
    return true;
}

void CImage::SetImage(CRasterImage image) {
    m_image = std::make_shared<CRasterImage>(std::move(image));
    m_encodedRecord.clear();
    ForgetSource();
}

bool CImage::RunEffect(PictureEffect effect) {
    PictureEffectJob job(*this, effect);
    job.Run();
    return TakeEffect(job);
}

bool CImage::TakeEffect(PictureEffectJob& job) {
    if (!job.Complete() || job.m_picture.lock() != m_alive || job.m_source != m_image)
        return false;
    {
        std::lock_guard lock(job.m_mutex);
        if (!job.m_result)
            return false;
        m_image = std::shared_ptr<CRasterImage>(std::move(job.m_result));
    }
    m_encodedRecord.clear();
    ForgetSource();
    // A background picture keeps covering its face; a picture whose size is
    // still unknown takes the turned size when it is placed.
    const bool natural = Width() == -1 && Height() == -1;
    if (TurnsPicture(job.Effect()) && m_isBackground == 0 && !natural) {
        const int width = Width();
        SetWidth(-Height());
        SetHeight(-width);
    }
    return true;
}

CRasterImage& CImage::EditImage() {
    PicturePixelCache::MakePrivate(m_image);
    m_encodedRecord.clear();
    ForgetSource();
    return *m_image;
}

ImageInfo& CImage::EditOptions() {
    // The options are not part of the pixels: the kept file bytes still fit.
    const SourceBytes source = m_source;
    ImageInfo& info = EditImage().Info();
    m_source = source;
    return info;
}

void CImage::SetUseAlphaChannel(bool on) {
    if ((m_image->Info().useAlphaChannel != 0) != on)
        EditOptions().useAlphaChannel = on ? 1 : 0;
}

void CImage::SetTransparentColourOption(bool on) {
    if ((m_image->Info().transparentColour != 0) != on)
        EditOptions().transparentColour = on ? 1 : 0;
}

void CImage::SetTransparentColour(quint32 colour) {
    const RgbQuad quad = QuadOfColourRef(colour);
    const ImageInfo& info = m_image->Info();
    if (info.backgroundColor == quad && info.backgroundIndex < 0)
        return;
    ImageInfo& options = EditOptions();
    options.backgroundColor = quad;
    // A palette index would win over the colour; the chosen colour is what counts.
    options.backgroundIndex = -1;
}

void CImage::SetTransparency(int transparency) {
    if (transparency != m_transparency) {
        m_transparency = transparency;
        m_encodedRecord.clear();
    }
}

void CImage::SetKeepAspectRatio(int keep) {
    if (keep != m_keepAspectRatio) {
        m_keepAspectRatio = keep;
        m_encodedRecord.clear();
    }
}

bool CImage::SourceBytesFit() const {
    if (m_source.length <= 0 || !m_image->IsValid())
        return false;
    return DataBlockFormat(*m_image, m_image->HasAlpha() ? 1 : 0) == m_source.format;
}

QByteArrayView CImage::JpegFileBytes() const {
    if (m_source.format != kFormatJpeg || !SourceBytesFit())
        return {};
    return QByteArrayView(m_source.holder).sliced(m_source.offset, m_source.length);
}

QByteArray CImage::EncodeRecord(QString* error) {
    CRasterImage& image = *m_image; // only metadata changes while encoding
    if (!image.IsValid()) {
        *error = QStringLiteral("picture (CImage) has no pixels to write");
        return {};
    }
    const int hasAlpha = image.HasAlpha() ? 1 : 0;
    QByteArray out;
    PutI32(out, m_transparency);
    PutI32(out, m_keepAspectRatio);
    // The block as held, but the fields of the last operation (its error
    // text, progress and escape flag) as zeros: the bytes saved never depend
    // on what happened to the picture before.
    ImageInfo stored = image.Info();
    std::memset(stored.lastError, 0, sizeof stored.lastError);
    stored.progress = 0;
    stored.escape = 0;
    out.append(reinterpret_cast<const char*>(&stored), qsizetype(sizeof(ImageInfo)));
    PutI32(out, hasAlpha);
    if (SourceBytesFit()) {
        PutI32(out, 0);
        PutI32(out, int32_t(m_source.length));
        out.append(QByteArrayView(m_source.holder).sliced(m_source.offset, m_source.length));
    } else {
        std::vector<uint8_t> block;
        if (!WriteImageDataBlock(image, hasAlpha, block)) {
            *error =
                QStringLiteral("picture (CImage) cannot be encoded: %1").arg(image.LastError());
            return {};
        }
        out.append(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
    }
    if (hasAlpha)
        out.append(reinterpret_cast<const char*>(image.Alpha()),
                   qsizetype(image.Width()) * image.Height());
    return out;
}

bool CImage::EnsureEncodedRecord(QString* error) {
    if (!m_encodedRecord.isEmpty())
        return true;
    m_encodedRecord = EncodeRecord(error);
    if (m_encodedRecord.isEmpty())
        return false;
    PicturePixelCache::Remember(m_encodedRecord, m_encodedRecord.size() - AlphaBytes(*m_image),
                                m_image);
    return true;
}

void CImage::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    if (ar.IsLoading()) {
        Load(ar);
        return;
    }
    QString error;
    if (!EnsureEncodedRecord(&error))
        ar.Fail(error);
    ar.WriteSharedBytes(m_encodedRecord);
}

void CImage::Load(Archive& ar) {
    // The record is parsed from the bytes that follow, then consumed as a whole.
    const QByteArrayView rest = ar.Peek(std::numeric_limits<qint64>::max());
    ByteReader in(Bytes(rest));
    int32_t transparency = 0, keep = 0;
    uint32_t hasAlpha = 0;
    ImageInfo stored;
    if (!in.I32(transparency) || !in.I32(keep) || !in.Read(&stored, sizeof stored) ||
        !in.U32(hasAlpha))
        ar.Fail(QStringLiteral("picture (CImage) record is cut short"));
    // The data block's extent, without decoding it.
    uint32_t n = 0, length = 0;
    if (!in.U32(n) || (n > 0 && !in.Skip(n)) || (n == 0 && (!in.U32(length) || !in.Skip(length))))
        ar.Fail(QStringLiteral("picture (CImage) data is cut short"));
    const qsizetype prefix = qsizetype(in.Position());

    std::shared_ptr<CRasterImage> pixels;
    QByteArray record;
    if (PicturePixelCache::Entry found = PicturePixelCache::Find(rest, prefix); found.pixels) {
        pixels = std::move(found.pixels);
        record = std::move(found.record);
    } else {
        // Decode with the stored options (the data block's encoding depends on
        // them), then take the stored block again except what describes the
        // new pixel storage. A stored cancel flag would stop the decoder.
        auto image = std::make_shared<CRasterImage>();
        image->Info() = stored;
        image->Info().escape = 0;
        ByteReader data(Bytes(rest));
        data.Skip(size_t(kRecordPrefix));
        PicturePixelCache::CountDecode();
        if (!ReadImageDataBlock(*image, int(hasAlpha), data))
            ar.Fail(
                QStringLiteral("picture (CImage) data cannot be read: %1").arg(image->LastError()));
        const ImageInfo decoded = image->Info();
        image->Info() = stored;
        image->Info().pixelRowsRef = decoded.pixelRowsRef;
        image->Info().ghostRef = decoded.ghostRef;
        // The row stride and colour type must match the pixels actually held,
        // whatever the file says, or rows would be addressed past the block.
        image->Info().rowStride = decoded.rowStride;
        image->Info().colorType = decoded.colorType;
        image->Info().escape = 0;
        if (hasAlpha == 1) {
            const size_t alphaBytes = size_t(image->Width()) * size_t(image->Height());
            if (in.Remaining() < alphaBytes)
                ar.Fail(QStringLiteral("picture (CImage) alpha channel is cut short"));
            image->AlphaCreate();
            if (image->Alpha() == nullptr)
                ar.Fail(QStringLiteral("picture (CImage) alpha channel cannot be made"));
            in.Read(image->Alpha(), alphaBytes);
            image->Info().colorType = decoded.colorType | (image->BitCount() == 24 ? 4 : 0);
        }
        record = rest.first(qsizetype(in.Position())).toByteArray();
        pixels = std::move(image);
        PicturePixelCache::Remember(record, prefix, pixels);
    }
    ar.ReadBytes(record.size());
    m_transparency = transparency;
    m_keepAspectRatio = keep;
    m_image = std::move(pixels);
    // A stored picture of unknown size gets it now, not at its first paint.
    ResolveNaturalSize();
    m_encodedRecord = record;
    // A compressed data block is kept as it is for as long as the pixels stay.
    ForgetSource();
    if (n == 0) {
        const int format = DataBlockFormat(*m_image, int(hasAlpha));
        if (format != kFormatBmp)
            m_source = {m_encodedRecord, kRecordPrefix + 8, qsizetype(length), format};
    }
}

bool CImage::DataBlockKind(QString* kind, qint64* bytes) {
    QString error;
    if (!EnsureEncodedRecord(&error))
        return false;
    ByteReader in(Bytes(m_encodedRecord));
    in.Skip(size_t(kRecordPrefix));
    uint32_t n = 0, length = 0;
    if (!in.U32(n))
        return false;
    if (n > 0) {
        *kind = QStringLiteral("dib");
        *bytes = n;
        return true;
    }
    if (!in.U32(length))
        return false;
    const int format = DataBlockFormat(*m_image, m_image->HasAlpha() ? 1 : 0);
    *kind = format == kFormatPng ? QStringLiteral("png") : QStringLiteral("jpeg");
    *bytes = length;
    return true;
}
