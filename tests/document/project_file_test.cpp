#include "document/discwright_doc.h"
#include "document/project_file.h"
#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "platform/archive.h"
#include "support/picture_test_access.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray Fixture(const char* name) {
    return ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/") + QLatin1String(name));
}

ProjectContent EmptyContent() {
    ProjectContent c;
    c.album = AlbumData::Defaults();
    c.stockPaths = {QStringLiteral("/nonexistent/disc.ini"),
                    QStringLiteral("/nonexistent/front.ini"),
                    QStringLiteral("/nonexistent/back.ini")};
    return c;
}

std::unique_ptr<CShape> Shape(int x, int y, int w, int h) {
    return std::make_unique<CShape>(x, y, x + w, y + h, CShape::kRectangle, 0xC0C0C0, 0);
}

// A picture whose record is already encoded, as a decoded picture keeps it.
std::unique_ptr<CImage> Picture(const QByteArray& encoded) {
    auto picture = std::make_unique<CImage>();
    picture->SetWidth(12000);
    picture->SetHeight(-12000);
    PictureTestAccess::SetRecord(*picture, encoded);
    return picture;
}

QByteArray Bytes(const ProjectContent& c) {
    return ProjectBytes(c);
}

} // namespace

TEST(ProjectFile, EmptyProjectExactBytes) {
    const QByteArray expected = Fixture("empty_project.dwp");
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(Bytes(EmptyContent()).toHex(), expected.toHex());
    // 04 "V1.0", four white faces without picture or objects, no tracks, ...
    EXPECT_TRUE(expected.startsWith(QByteArray::fromHex("0456312e30ffffff00000000000000")));
}

TEST(ProjectFile, ShapesAndTextOnTheDiscExactBytes) {
    ProjectContent c = EmptyContent();
    auto first = Shape(1000, -1000, 3000, -2000);
    first->SetSelected(1);
    auto second =
        std::make_unique<CShape>(5000, -5000, 7000, -7000, CShape::kEllipse, 0x0000FF, 0x00FF00);
    second->SetLineWidth(3);
    auto text = std::make_unique<CText>(1000, -8000, 5000, -9000, 0, QStringLiteral("<albumtitle>"),
                                        UnitConversion{});
    text->SetSelected(1);
    text->SetAlignment(CText::kCentre);
    c.faces[kDiscFace].objects.push_back(std::move(first));
    c.faces[kDiscFace].objects.push_back(std::move(second));
    c.faces[kDiscFace].objects.push_back(std::move(text));

    const QByteArray expected = Fixture("disc_shapes_text.dwp");
    EXPECT_EQ(Bytes(c).toHex(), expected.toHex());
    // Class 1 "CShape", object 2; 0x8001 for the second shape; class 4 "CText".
    EXPECT_EQ(expected.mid(15, 12), QByteArray::fromHex("ffff00000600") + "CShape");
    EXPECT_EQ(expected.mid(77, 2), QByteArray::fromHex("0180"));

    ProjectContent read;
    QString error;
    ASSERT_TRUE(ReadProjectBytes(expected, read, &error)) << error.toStdString();
    ASSERT_EQ(read.faces[kDiscFace].objects.size(), 3u);
    const auto& t = dynamic_cast<const CText&>(*read.faces[kDiscFace].objects[2]);
    EXPECT_EQ(t.Text(), QStringLiteral("<albumtitle>"));
    EXPECT_EQ(t.Font().lfHeight, 265);
    EXPECT_EQ(read.stockPaths[2], QStringLiteral("/nonexistent/back.ini"));
    EXPECT_EQ(Bytes(read), expected);
}

TEST(ProjectFile, ObjectListsOf65535OrMore) {
    for (quint32 count : {65534u, 65535u, 70000u}) {
        ProjectContent c = EmptyContent();
        for (quint32 i = 0; i < count; ++i)
            c.faces[kFrontFace].objects.push_back(Shape(int(i), 0, 10, -10));
        const QByteArray bytes = Bytes(c);
        // The front face's block follows the 5-byte version and the disc's 10 bytes.
        const QByteArray count8 = bytes.mid(5 + 10 + 8, count < 0xFFFF ? 2 : 6);
        QByteArray expected;
        Archive ar(&expected);
        ar.WriteCount(count);
        EXPECT_EQ(count8.toHex(), expected.toHex()) << count;
        ProjectContent read;
        QString error;
        ASSERT_TRUE(ReadProjectBytes(bytes, read, &error)) << error.toStdString();
        ASSERT_EQ(read.faces[kFrontFace].objects.size(), count);
        EXPECT_EQ(read.faces[kFrontFace].objects.back()->X(), int(count - 1));
        EXPECT_EQ(Bytes(read), bytes);
    }
}

TEST(ProjectFile, LaterFacesUseShortClassReferences) {
    ProjectContent c = EmptyContent();
    c.faces[kDiscFace].objects.push_back(Shape(0, 0, 10, -10));
    c.faces[kBackFace].objects.push_back(Shape(1, 0, 10, -10));
    const QByteArray bytes = Bytes(c);
    EXPECT_EQ(bytes.count("CShape"), 1);
    // Disc: 10 + 12 + 50 bytes; front and inside 10 each; back: colour, flag, count, 0x8001.
    EXPECT_EQ(bytes.mid(5 + 72 + 20, 12).toHex(), QByteArray("ffffff00000000000100"
                                                             "0180"));
}

TEST(ProjectFile, BackgroundPicturesTakeNoIndex) {
    const auto backList = [](bool withPicture) {
        ProjectContent c = EmptyContent();
        if (withPicture)
            c.faces[kDiscFace].background = Picture("PICTURE-RECORD");
        c.faces[kDiscFace].objects.push_back(Shape(0, 0, 10, -10));
        c.faces[kBackFace].objects.push_back(Shape(1, 0, 10, -10));
        const QByteArray bytes = Bytes(c);
        // Everything after the disc's one shape: the other faces, album and stocks.
        return bytes.mid(bytes.indexOf("CShape") + 6 + 50);
    };
    const QByteArray with = backList(true), without = backList(false);
    EXPECT_EQ(with.toHex(), without.toHex());
    EXPECT_EQ(with.mid(20 + 8, 4).toHex(), QByteArray("01000180"));

    // The picture's record is written directly after the flag 1.
    ProjectContent c = EmptyContent();
    c.faces[kInsideFace].background = Picture("PIC");
    const QByteArray bytes = Bytes(c);
    const qsizetype inside = 5 + 10 + 10;
    EXPECT_EQ(bytes.mid(inside, 8).toHex(), QByteArray("ffffff0001000000"));
    EXPECT_EQ(bytes.mid(inside + 8 + 28, 3), QByteArray("PIC"));
    EXPECT_EQ(bytes.mid(inside + 8 + 31, 2).toHex(), QByteArray("0000"));
}

TEST(ProjectFile, SaveAndOpenKeepSelectionAlbumAndColours) {
    const TempProgramFolder program;
    const QString path = program.File(QStringLiteral("p.dwp"));
    {
        CDiscwrightDoc doc(program.DefaultStocks());
        doc.OnNewDocument();
        doc.SetActiveFace(kFrontFace);
        doc.AddObject(Shape(0, 0, 100, -100));
        doc.AddObject(Shape(200, 0, 100, -100));
        doc.AddObject(Shape(400, 0, 100, -100));
        doc.ActiveFace().Objects()[1]->SetSelected(1);
        doc.ActiveFace().RebuildSelection();
        doc.GetFace(kBackFace).SetBackgroundColour(0x123456);
        doc.Album().tracks.push_back(
            {QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("1:00")});
        doc.Album().year = QStringLiteral("1999");
        doc.SetModifiedFlag();
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
        EXPECT_FALSE(doc.IsModified());
    }
    // A document whose stocks could not be read takes sizes from the file's stocks.
    CDiscwrightDoc doc(DocumentSettings{});
    EXPECT_EQ(doc.GetFace(kDiscFace).Width(), 0);
    QString error;
    ASSERT_TRUE(doc.OnOpenDocument(path, &error)) << error.toStdString();
    const Face& front = doc.GetFace(kFrontFace);
    ASSERT_EQ(front.Objects().size(), 3u);
    ASSERT_EQ(front.Selection().size(), 1u);
    EXPECT_EQ(front.Selection()[0], front.Objects()[1].get());
    EXPECT_EQ(doc.GetFace(kBackFace).BackgroundColour(), 0x123456u);
    EXPECT_EQ(doc.Album().tracks.size(), 1u);
    EXPECT_EQ(doc.Album().year, QStringLiteral("1999"));
    EXPECT_EQ(doc.GetFace(kDiscFace).Width(), 12000);
    EXPECT_EQ(doc.GetFace(kBackFace).Width(), 15100);
    EXPECT_EQ(doc.DiscStock().path, program.DefaultStocks().discStockPath);
    EXPECT_EQ(doc.UndoCount(), 1);
}

TEST(ProjectFile, UnknownVersionIsAccepted) {
    QByteArray bytes = Fixture("disc_shapes_text.dwp");
    bytes.replace(0, 5, QByteArray("\x06V2.5.1", 7));
    ProjectContent read;
    QString error;
    ASSERT_TRUE(ReadProjectBytes(bytes, read, &error)) << error.toStdString();
    EXPECT_EQ(read.version, QStringLiteral("V2.5.1"));
    EXPECT_EQ(read.faces[kDiscFace].objects.size(), 3u);
    EXPECT_TRUE(ProjectBytes(read).startsWith("\x04V1.0"));
}

TEST(ProjectFile, DeletedLabelStockOpensAsUnknown) {
    const TempProgramFolder program;
    const QString path = program.File(QStringLiteral("p.dwp"));
    CDiscwrightDoc doc(program.DefaultStocks());
    doc.OnNewDocument();
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error));
    ASSERT_TRUE(QFile::remove(program.DefaultStocks().backStockPath));
    ASSERT_TRUE(doc.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(doc.BackStock().name, QStringLiteral("unknown"));
    EXPECT_EQ(doc.BackStock().path, QString());
    EXPECT_NE(doc.DiscStock().name, QStringLiteral("unknown"));
}

TEST(ProjectFile, FailedOpenEmptiesTheDocumentAndSaysWhereAndWhy) {
    const TempProgramFolder program;
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message;
    };
    const QByteArray good = Fixture("disc_shapes_text.dwp");
    QByteArray picture = Fixture("empty_project.dwp");
    picture.replace(5 + 4, 4, QByteArray("\x01\0\0\0", 4)); // disc face claims a picture
    QByteArray hugeCount = good.left(13) + QByteArray::fromHex("ffffffffff7f");
    const Case cases[] = {
        {"cut.dwp", good.left(100), "unexpected end of data"},
        {"empty.dwp", QByteArray(), "unexpected end of data"},
        {"picture.dwp", picture, "CImage"},
        {"huge.dwp", hugeCount, "unexpected end of data"},
    };
    for (const Case& c : cases) {
        CDiscwrightDoc doc(program.DefaultStocks());
        doc.AddObject(Shape(0, 0, 1, -1));
        doc.Album().title = QStringLiteral("kept?");
        const QString path = program.File(QLatin1String(c.name));
        WriteTextFile(path, c.bytes);
        QString error;
        EXPECT_FALSE(doc.OnOpenDocument(path, &error)) << c.name;
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(" at byte "))) << error.toStdString();
        for (int id = 0; id < kFaceCount; ++id)
            EXPECT_TRUE(doc.GetFace(id).Objects().empty()) << c.name;
        EXPECT_EQ(doc.Album(), AlbumData::Defaults()) << c.name;
    }
}

TEST(ProjectFile, FailedSaveLeavesTheOldFile) {
    const TempProgramFolder program;
    const QString path = program.File(QStringLiteral("old.dwp"));
    WriteTextFile(path, "old contents");
    CDiscwrightDoc doc(program.DefaultStocks());
    doc.OnNewDocument();
    doc.AddObject(Shape(0, 0, 1, -1));
    // A picture that cannot be written stops the save half-way through.
    doc.GetFace(kBackFace).SetBackground(Picture(QByteArray()));
    doc.SetModifiedFlag();
    QString error;
    EXPECT_FALSE(doc.OnSaveDocument(path, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(ReadWholeFile(path), QByteArray("old contents"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(QDir(program.Path()).entryList({QStringLiteral("old.dwp*")}, QDir::Files).size(), 1);

    // A folder that does not exist.
    doc.GetFace(kBackFace).RemoveBackground();
    const QString nowhere = program.File(QStringLiteral("no/such/folder/p.dwp"));
    EXPECT_FALSE(doc.OnSaveDocument(nowhere, &error));
    EXPECT_TRUE(error.contains(nowhere)) << error.toStdString();
}

TEST(ProjectFile, LayoutArchiveHoldsOneObjectList) {
    ObjectList objects;
    objects.push_back(Shape(0, 0, 10, -10));
    objects.push_back(std::make_unique<CCirText>(QPoint(6000, -6000), 5000.0, 0.0, 0,
                                                 QStringLiteral("round"), 1, 0, UnitConversion{},
                                                 1.0f));
    objects.back()->SetFromLayout(1);
    const QByteArray bytes = LayoutBytes(objects);
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("0200ffff00000600") + "CShape"));
    ObjectList read;
    QString error;
    ASSERT_TRUE(ReadLayoutBytes(bytes, read, &error)) << error.toStdString();
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1]->FromLayout(), 1);
    EXPECT_EQ(dynamic_cast<CCirText&>(*read[1]).Text(), QStringLiteral("round"));
    EXPECT_EQ(LayoutBytes(read), bytes);
}

namespace {
// A project whose tracks and album texts are given as raw 8-bit strings, as
// older Lumvane versions (UTF-8) and Windows (Windows-1252) wrote them.
QByteArray ProjectWithRawTexts(std::initializer_list<QByteArray> trackTexts,
                               std::initializer_list<QByteArray> albumTexts) {
    const auto str = [](const QByteArray& b) { return char(b.size()) + b; };
    QByteArray bytes = str("V1.0");
    for (int face = 0; face < 4; ++face)
        bytes += QByteArray::fromHex("ffffff00"
                                     "00000000"
                                     "0000");
    bytes += char(trackTexts.size() / 3); // the track count, a dword
    bytes += QByteArray(3, '\0');
    for (const QByteArray& t : trackTexts)
        bytes += str(t);
    for (const QByteArray& t : albumTexts)
        bytes += str(t);
    for (int i = 0; i < 3; ++i)
        bytes += str("/nonexistent/stock.ini");
    return bytes;
}
} // namespace

TEST(ProjectFile, OlderLumvaneFilesAndWindowsFilesKeepTheirTexts) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 in the 8-bit form",
         ProjectWithRawTexts({"Bj\xc3\xb6rk", "J\xc3\xb3ga", "5:05"}, {"Hom\xc3\xb6gen\xc3\xad"
                                                                       "c",
                                                                       "Bj\xc3\xb6rk", "1997"})},
        {"Windows-1252 in the 8-bit form",
         ProjectWithRawTexts({"Bj\xf6rk", "J\xf3ga", "5:05"}, {"Hom\xf6gen\xed"
                                                               "c",
                                                               "Bj\xf6rk", "1997"})},
    };
    for (const Case& c : cases) {
        ProjectContent read;
        QString error;
        ASSERT_TRUE(ReadProjectBytes(c.bytes, read, &error)) << c.what << error.toStdString();
        ASSERT_EQ(read.album.tracks.size(), 1u) << c.what;
        EXPECT_EQ(read.album.tracks[0].artist, QStringLiteral(u"Björk")) << c.what;
        EXPECT_EQ(read.album.tracks[0].title, QStringLiteral(u"Jóga")) << c.what;
        EXPECT_EQ(read.album.title, QStringLiteral(u"Homögeníc")) << c.what;
        // Written again, the non-ASCII texts take the 16-bit form; ASCII stays 8-bit.
        const QByteArray again = ProjectBytes(read);
        EXPECT_TRUE(again.contains(QByteArray::fromHex("fffeff05"
                                                       "42006a00f60072006b00")));
        EXPECT_TRUE(again.contains(QByteArray("\x04"
                                              "5:05",
                                              5)))
            << c.what;
        EXPECT_TRUE(again.contains(QByteArray("\x04"
                                              "1997",
                                              5)))
            << c.what;
    }
}

TEST(ProjectFile, TextsOfEveryScriptRoundTrip) {
    ProjectContent c = EmptyContent();
    const QString texts[] = {
        QStringLiteral("plain ASCII"),
        QStringLiteral(u"Dvořák – Sinfonie č. 9 „Z Nového světa“"),
        QStringLiteral(u"Πέτρος Γαϊτάνος"),
        QStringLiteral(u"Кино — Группа крови"),
        QStringLiteral(u"فيروز"),
        QStringLiteral(u"עברית"),
        QStringLiteral(u"坂本龍一 戦場のメリークリスマス"),
        QStringLiteral(u"방탄소년단"),
        QStringLiteral(u"संगीत"),
        QStringLiteral(u"Emoji \U0001F3B5\U0001F3B6"),
    };
    for (const QString& t : texts)
        c.album.tracks.push_back({t, t, QStringLiteral("3:00")});
    c.album.title = QStringLiteral(u"Ελληνικά");
    auto text = std::make_unique<CText>(1000, -8000, 5000, -9000, 0, texts[6], UnitConversion{});
    c.faces[kDiscFace].objects.push_back(std::move(text));
    c.faces[kDiscFace].objects.push_back(std::make_unique<CCirText>(
        QPoint(6000, -6000), 5000.0, 0.0, 0, texts[4], 1, 0, UnitConversion{}, 1.0f));

    const QByteArray bytes = ProjectBytes(c);
    ProjectContent read;
    QString error;
    ASSERT_TRUE(ReadProjectBytes(bytes, read, &error)) << error.toStdString();
    ASSERT_EQ(read.album.tracks.size(), std::size(texts));
    for (size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(read.album.tracks[i].artist, texts[i]);
        EXPECT_EQ(read.album.tracks[i].title, texts[i]);
    }
    EXPECT_EQ(read.album.title, c.album.title);
    EXPECT_EQ(dynamic_cast<CText&>(*read.faces[kDiscFace].objects[0]).Text(), texts[6]);
    EXPECT_EQ(dynamic_cast<CCirText&>(*read.faces[kDiscFace].objects[1]).Text(), texts[4]);
    EXPECT_EQ(ProjectBytes(read), bytes);
}
