#include "picture_test_support.h"

#include "objects/picture_pixel_cache.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t U32At(const QByteArray& bytes, int offset) {
    uint32_t v;
    std::memcpy(&v, bytes.constData() + offset, 4);
    return v;
}

void PutU32At(QByteArray& bytes, int offset, uint32_t v) {
    std::memcpy(bytes.data() + offset, &v, 4);
}

std::unique_ptr<CImage> Loaded(const char* fixture) {
    auto picture = std::make_unique<CImage>(100, -100);
    EXPECT_TRUE(picture->LoadFile(PictureFixture(fixture))) << fixture;
    picture->ResolveNaturalSize();
    return picture;
}

} // namespace

TEST(PictureRecord, FieldsInOrderAndPaletteDibByteForByte) {
    auto picture = Loaded("bmp_8.bmp");
    picture->SetTransparency(7);
    picture->SetKeepAspectRatio(0);
    const QByteArray record = StoredRecord(*picture);
    EXPECT_EQ(U32At(record, kBaseBytes), 7u);
    EXPECT_EQ(U32At(record, kBaseBytes + 4), 0u);
    EXPECT_EQ(
        std::memcmp(record.constData() + kInfoOffset, &picture->Image().Info(), sizeof(ImageInfo)),
        0);
    EXPECT_EQ(U32At(record, kHasAlphaOffset), 0u);
    const auto dib = picture->Image().Dib();
    ASSERT_EQ(U32At(record, kDataOffset), dib.size());
    EXPECT_EQ(std::memcmp(record.constData() + kDataOffset + 4, dib.data(), dib.size()), 0);
    EXPECT_EQ(record.size(), kDataOffset + 4 + qsizetype(dib.size()));

    // Read without the cache's help, then written again: the same bytes.
    PicturePixelCache::Clear();
    auto read = ReadRecord(record);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Transparency(), 7);
    EXPECT_EQ(read->KeepAspectRatio(), 0);
    read->ForgetEncodedRecord();
    EXPECT_EQ(StoredRecord(*read), record);
}

TEST(PictureRecord, JpegAndPngFilesAreKeptAsTheirBytes) {
    struct Case {
        const char* fixture;
        uint32_t hasAlpha;
    } cases[] = {{"jpeg_rgb.jpg", 0}, {"png_rgba.png", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        auto picture = Loaded(c.fixture);
        const QByteArray file = FixtureBytes(c.fixture);
        const QByteArray record = StoredRecord(*picture);
        EXPECT_EQ(U32At(record, kHasAlphaOffset), c.hasAlpha);
        EXPECT_EQ(U32At(record, kDataOffset), 0u);
        ASSERT_EQ(U32At(record, kDataOffset + 4), uint32_t(file.size()));
        EXPECT_EQ(record.mid(kDataOffset + 8, file.size()), file);
        const qsizetype alpha =
            c.hasAlpha ? qsizetype(picture->Image().Width()) * picture->Image().Height() : 0;
        EXPECT_EQ(record.size(), kDataOffset + 8 + file.size() + alpha);

        PicturePixelCache::Clear();
        auto read = ReadRecord(record);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Image().HasAlpha(), c.hasAlpha == 1);
        ASSERT_EQ(read->Image().Dib().size(), picture->Image().Dib().size());
        EXPECT_TRUE(std::equal(read->Image().Dib().begin(), read->Image().Dib().end(),
                               picture->Image().Dib().begin()));
        if (c.hasAlpha) {
            EXPECT_EQ(std::memcmp(read->Image().Alpha(), picture->Image().Alpha(), size_t(alpha)),
                      0);
        }
        // An option change writes the record again, still without re-encoding.
        read->SetKeepAspectRatio(0);
        EXPECT_EQ(StoredRecord(*read).mid(kDataOffset + 8, file.size()), file);
    }
}

TEST(PictureRecord, ChangedPixelsAreEncodedAgain) {
    auto picture = Loaded("jpeg_rgb.jpg");
    const QByteArray file = FixtureBytes("jpeg_rgb.jpg");
    picture->EditImage().Negative();
    const QByteArray record = StoredRecord(*picture);
    EXPECT_NE(record.mid(kDataOffset + 8, file.size()), file);
    // The transparent-colour option needs exact colours: PNG.
    picture->SetTransparentColourOption(true);
    const QByteArray png = StoredRecord(*picture);
    EXPECT_EQ(png.mid(kDataOffset + 8, 4), QByteArray("\x89PNG"));
}

TEST(PictureRecord, CutShortOrHostileRecordsFailCleanly) {
    auto picture = Loaded("png_rgba.png");
    const QByteArray record = StoredRecord(*picture);
    PicturePixelCache::Clear();
    // Every cut: the base part, the fields, the data, the alpha channel.
    for (qsizetype cut = 0; cut < record.size();
         cut += std::max<qsizetype>(1, record.size() / 97)) {
        QString error;
        EXPECT_EQ(ReadRecord(record.first(cut), &error), nullptr) << cut;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(ReadRecord(record.first(record.size() - 1)), nullptr);

    // A data length beyond the end, and an alpha flag without alpha bytes.
    QByteArray longData = record;
    PutU32At(longData, kDataOffset + 4, 0x7FFFFFF0);
    EXPECT_EQ(ReadRecord(longData), nullptr);
    auto jpeg = Loaded("jpeg_rgb.jpg");
    QByteArray noAlpha = StoredRecord(*jpeg);
    PutU32At(noAlpha, kHasAlphaOffset, 1); // also asks for PNG: the JPEG fails
    EXPECT_EQ(ReadRecord(noAlpha), nullptr);
}

TEST(PictureRecord, StoredRowStrideCannotMisaddressThePixels) {
    auto picture = Loaded("bmp_8.bmp");
    QByteArray record = StoredRecord(*picture);
    PutU32At(record, kInfoOffset + int(offsetof(ImageInfo, rowStride)), 0x100000);
    PutU32At(record, kInfoOffset + int(offsetof(ImageInfo, escape)), 1);
    PicturePixelCache::Clear();
    auto read = ReadRecord(record);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Image().Stride(), DibStride(read->Image().Width(), read->Image().BitCount()));
    EXPECT_EQ(read->Image().ReadPixel(0, 0), picture->Image().ReadPixel(0, 0));
}

TEST(PictureRecord, ReadingTheSameRecordAgainSharesThePixels) {
    auto picture = Loaded("jpeg_rgb.jpg");
    const QByteArray record = StoredRecord(*picture);
    PicturePixelCache::Clear();
    const int before = PicturePixelCache::DecodeCount();
    auto first = ReadRecord(record);
    auto second = ReadRecord(record);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(PicturePixelCache::DecodeCount(), before + 1);
    EXPECT_EQ(first->Image().Bits(), second->Image().Bits());
    EXPECT_EQ(first->EncodedRecord().constData(), second->EncodedRecord().constData());
    // Changing one copies its pixels first; the other keeps its own.
    const RgbQuad corner = second->Image().ReadPixel(0, 0);
    first->EditImage().Negative();
    EXPECT_NE(first->Image().Bits(), second->Image().Bits());
    EXPECT_EQ(second->Image().ReadPixel(0, 0), corner);
    EXPECT_TRUE(first->EncodedRecord().isEmpty());
}

TEST(PictureFile, FormatComesFromTheExtensionInLowerCase) {
    QTemporaryDir dir;
    const QByteArray jpeg = FixtureBytes("jpeg_rgb.jpg");
    struct Case {
        const char* name;
        bool loads;
    } cases[] = {{"photo.JPG", true}, {"photo.jpeg", true}, {"photo.jpe", false},
                 {"photo", false},    {"photo.png", false}, {"photo.wmf", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(dir.filePath(QLatin1String(c.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(jpeg);
        file.close();
        CImage picture(0, 0);
        EXPECT_EQ(picture.LoadFile(file.fileName()), c.loads);
        EXPECT_EQ(picture.Image().IsValid(), c.loads);
    }
}

TEST(PictureRecord, FuzzSeedsAreReadablePictures) {
    const QDir seeds(QStringLiteral(LUMVANE_TEST_DATA_DIR "/../../fuzz/corpus/picture"));
    const QStringList names = seeds.entryList(QDir::Files);
    EXPECT_GE(names.size(), 4);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString error;
        auto picture = ReadRecord(file.readAll(), &error);
        ASSERT_NE(picture, nullptr) << error.toStdString();
        EXPECT_TRUE(picture->Image().IsValid());
    }
}
