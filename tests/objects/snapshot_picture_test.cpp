#include "picture_test_support.h"

#include "document/discwright_doc.h"
#include "objects/picture_pixel_cache.h"
#include "objects/shape.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CImage* AddPicture(CDiscwrightDoc& doc, const char* fixture, int x) {
    auto picture = std::make_unique<CImage>(x, -100);
    EXPECT_TRUE(picture->LoadFile(PictureFixture(fixture)));
    picture->ResolveNaturalSize(UnitConversion{});
    CImage* added = picture.get();
    doc.AddObject(std::move(picture));
    return added;
}

CImage* PictureAt(CDiscwrightDoc& doc, size_t index) {
    return dynamic_cast<CImage*>(doc.GetFace(kDiscFace).Objects()[index].get());
}

} // namespace

TEST(PictureSnapshot, UndoAndRedoReuseThePixelsWithoutDecoding) {
    CDiscwrightDoc doc{DocumentSettings{}};
    doc.OnNewDocument();
    const uint8_t* jpegPixels = AddPicture(doc, "jpeg_rgb.jpg", 0)->Image().Bits();
    const uint8_t* dibPixels = AddPicture(doc, "bmp_8.bmp", 500)->Image().Bits();
    doc.AddObject(std::make_unique<CShape>(0, 0, 100, -100, 0, 0xFF, 0));
    doc.ResetHistory();
    doc.GetFace(kDiscFace).Objects()[2]->SetX(700);
    doc.CheckPoint();

    const int decodes = PicturePixelCache::DecodeCount();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetFace(kDiscFace).Objects()[2]->X(), 0);
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(PicturePixelCache::DecodeCount(), decodes);
    EXPECT_EQ(PictureAt(doc, 0)->Image().Bits(), jpegPixels);
    EXPECT_EQ(PictureAt(doc, 1)->Image().Bits(), dibPixels);
}

TEST(PictureSnapshot, EffectsUndoToThePicturesBefore) {
    CDiscwrightDoc doc{DocumentSettings{}};
    doc.OnNewDocument();
    CImage* picture = AddPicture(doc, "bmp_8.bmp", 0);
    const RgbQuad corner = picture->Image().ReadPixel(0, 0);
    doc.ResetHistory();
    picture->EditImage().Negative();
    doc.CheckPoint();
    EXPECT_NE(PictureAt(doc, 0)->Image().ReadPixel(0, 0), corner);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(PictureAt(doc, 0)->Image().ReadPixel(0, 0), corner);
    ASSERT_TRUE(doc.Redo());
    EXPECT_NE(PictureAt(doc, 0)->Image().ReadPixel(0, 0), corner);
}

// Past the cache's kept-alive limit (8 pictures) it only remembers the first
// picture's pixels; changing them in place made undo, reopening and the next
// save find the changed pixels under the old record.
TEST(PictureSnapshot, EffectUndoesWhenTheCacheOnlyRemembersThePixels) {
    PicturePixelCache::Clear();
    CDiscwrightDoc doc{DocumentSettings{}};
    doc.OnNewDocument();
    for (int i = 0; i < 9; ++i) {
        auto picture = std::make_unique<CImage>(i * 100, -100, i * 100 + 80, -160);
        picture->SetImage(SolidImage(4, 3, 0x101010u * uint32_t(i + 1)));
        doc.AddObject(std::move(picture));
    }
    doc.ResetHistory();
    const QByteArray before = StoredRecord(*PictureAt(doc, 0));
    PictureAt(doc, 0)->EditImage().Negative();
    doc.CheckPoint();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(PictureAt(doc, 0)->Image().ReadPixel(1, 1).red, 0x10);
    EXPECT_EQ(StoredRecord(*PictureAt(doc, 0)), before);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(PictureAt(doc, 0)->Image().ReadPixel(1, 1).red, 0xEF);
}

TEST(PictureSnapshot, ProjectWithPicturesSavesAndOpensAgain) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pictures.dwp"));
    QString error;
    QByteArray saved;
    {
        CDiscwrightDoc doc{DocumentSettings{}};
        doc.OnNewDocument();
        AddPicture(doc, "png_rgba.png", 0);
        AddPicture(doc, "jpeg_grey.jpg", 300);
        auto background = std::make_unique<CImage>(0, 0);
        ASSERT_TRUE(background->LoadFile(PictureFixture("gif_8.gif")));
        background->ResolveNaturalSize();
        doc.SetBackground(std::move(background));
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        saved = file.readAll();
    }
    PicturePixelCache::Clear();
    CDiscwrightDoc doc{DocumentSettings{}};
    ASSERT_TRUE(doc.OnOpenDocument(path, &error)) << error.toStdString();
    const Face& face = doc.GetFace(kDiscFace);
    ASSERT_EQ(face.Objects().size(), 2u);
    ASSERT_NE(face.Background(), nullptr);
    EXPECT_TRUE(face.Background()->Image().IsValid());
    EXPECT_TRUE(PictureAt(doc, 0)->Image().HasAlpha());
    EXPECT_EQ(PictureAt(doc, 1)->Image().BitCount(), 8);
    const QString again = dir.filePath(QStringLiteral("again.dwp"));
    ASSERT_TRUE(doc.OnSaveDocument(again, &error));
    QFile file(again);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
}
