// Reading Windows and enhanced metafiles and converting Windows metafiles,
// on hand-built bytes.
#include "metafile_builder.h"

#include "metafile/metafile.h"

#include "metafile/emf_record_check.h"
#include "metafile/emf_records.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The record types of an enhanced metafile, in order; also checks each
// record with the record checks the player uses.
std::vector<uint32_t> EmfTypes(const QByteArray& emf) {
    std::vector<uint32_t> types;
    qsizetype pos = 0;
    while (pos + 8 <= emf.size()) {
        const uint32_t type = U32At(emf, pos), size = U32At(emf, pos + 4);
        EXPECT_GE(size, 8u);
        EXPECT_LE(qsizetype(size), emf.size() - pos);
        if (size < 8 || qsizetype(size) > emf.size() - pos)
            break;
        EXPECT_TRUE(CheckEmfRecord(
            RecordView(reinterpret_cast<const uint8_t*>(emf.constData()) + pos, size)))
            << "record type " << type;
        types.push_back(type);
        pos += size;
    }
    return types;
}

qsizetype FindRecord(const QByteArray& emf, uint32_t wanted) {
    qsizetype pos = 0;
    while (pos + 8 <= emf.size()) {
        if (U32At(emf, pos) == wanted)
            return pos;
        pos += U32At(emf, pos + 4);
    }
    return -1;
}

// A small drawing: a window, a pen, a rectangle, a triangle.
WmfBuilder Drawing() {
    WmfBuilder b;
    b.Record(0x020B, {0, 0})                        // SETWINDOWORG y, x
        .Record(0x020C, {720, 1440})                // SETWINDOWEXT y, x
        .Record(0x02FA, {0, 10, 0, 0xFF, 0})        // CREATEPENINDIRECT solid, 10 wide, red
        .Record(0x012D, {0})                        // SELECTOBJECT 0
        .Record(0x041B, {700, 1400, 20, 40})        // RECTANGLE bottom, right, top, left
        .Record(0x0324, {3, 0, 0, 100, 0, 50, 80}); // POLYGON of three points
    return b;
}

TEST(WindowsMetafileRead, KeepsThePlaceableHeaderByteForByte) {
    for (bool goodChecksum : {true, false}) {
        const QByteArray header = WmfBuilder::Placeable(0, 0, 1440, 720, 1440, goodChecksum);
        const QByteArray metafile = Drawing().End().Metafile();
        WindowsMetafile wmf;
        QString error;
        ASSERT_TRUE(ReadWindowsMetafile(header + metafile, &wmf, &error)) << error.toStdString();
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(wmf.placeable.bytes.data()), 24),
                  header + QByteArray(2, '\0'));
        EXPECT_EQ(wmf.bytes, metafile);
        EXPECT_EQ(wmf.placeable.UnitsPerInch(), 1440);
        EXPECT_EQ(wmf.placeable.Checksum() == wmf.placeable.ComputedChecksum(), goodChecksum);
        EXPECT_EQ(wmf.placeable.Hex().size(), 48);
        EXPECT_TRUE(wmf.placeable.Hex().startsWith(QLatin1String("d7cdc69a")));
    }
}

TEST(WindowsMetafileRead, WithoutPlaceableHeaderTheHeaderIsZero) {
    WindowsMetafile wmf;
    QString error;
    const QByteArray metafile = Drawing().End().Metafile();
    ASSERT_TRUE(ReadWindowsMetafile(metafile, &wmf, &error));
    EXPECT_FALSE(wmf.placeable.Present());
    EXPECT_EQ(wmf.placeable.Hex(), QString(48, u'0'));
    EXPECT_EQ(wmf.bytes, metafile);
}

TEST(WindowsMetafileRead, SizeFieldCountingThePlaceableHeaderIsAccepted) {
    // Producers that count the 22-byte placeable header in the size field
    // declare 11 words more than follow; the end record is inside the file.
    const QByteArray metafile = Drawing().End().Metafile(11);
    const QByteArray file = WmfBuilder::Placeable(0, 0, 100, 50, 96) + metafile;
    WindowsMetafile wmf;
    QString error;
    ASSERT_TRUE(ReadWindowsMetafile(file, &wmf, &error)) << error.toStdString();
    EXPECT_EQ(wmf.bytes, metafile); // up to and including the end record
    QByteArray emf;
    EXPECT_TRUE(ConvertWindowsMetafile(wmf, &emf, &error));
}

TEST(WindowsMetafileRead, RefusesWhatIsNotAWholeMetafile) {
    const QByteArray noEnd = Drawing().Metafile(); // records but no end record
    QByteArray badType = Drawing().End().Metafile();
    badType[0] = 3;
    QByteArray tinySize = Drawing().End().Metafile();
    tinySize[6] = 4, tinySize[7] = tinySize[8] = tinySize[9] = 0;
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"JPEG file", QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffdb0043")},
        {"header type 3", badType},
        {"size field below the header", tinySize},
        {"short read", noEnd.left(noEnd.size() - 4)},
        {"declared size past the end, no end record", Drawing().Metafile(100)},
        {"placeable header cut short", WmfBuilder::Placeable(0, 0, 10, 10, 96).left(12)},
        {"empty", QByteArray()},
    };
    for (const auto& c : cases) {
        WindowsMetafile wmf;
        QString error;
        EXPECT_FALSE(ReadWindowsMetafile(c.file, &wmf, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

TEST(WindowsMetafileConvert, WritesHeaderFrameRecordsAndEnd) {
    const QByteArray file =
        WmfBuilder::Placeable(0, 0, 1440, 720, 1440) + Drawing().End().Metafile();
    PlaceableHeader placeable;
    QByteArray emf;
    QString error;
    ASSERT_TRUE(ReadMetafileFile(file, &placeable, &emf, &error)) << error.toStdString();
    EXPECT_TRUE(placeable.Present());

    const std::vector<uint32_t> types = EmfTypes(emf);
    ASSERT_GE(types.size(), 3u);
    EXPECT_EQ(types.front(), uint32_t(Emr::kHeader));
    EXPECT_EQ(types.back(), uint32_t(Emr::kEof));
    const EmfHeader h = ParseEmfHeader(emf);
    // One inch by half an inch: 2540 by 1270 hundredths of a millimetre,
    // 96 by 48 pixels at the reference device's 96 dots per inch.
    EXPECT_EQ(h.frame.right - h.frame.left + 1, 2540);
    EXPECT_EQ(h.frame.bottom - h.frame.top + 1, 1270);
    EXPECT_EQ(h.bounds.right - h.bounds.left + 1, 96);
    EXPECT_EQ(h.bounds.bottom - h.bounds.top + 1, 48);
    EXPECT_EQ(h.records, types.size());
    EXPECT_EQ(U32At(emf, 48), uint32_t(emf.size()));
    EXPECT_EQ(h.handles, 2u); // index 0 and the pen's slot

    // The rectangle keeps its corners, turned into left, top, right, bottom.
    const qsizetype rect = FindRecord(emf, Emr::kRectangle);
    ASSERT_GE(rect, 0);
    EXPECT_EQ(I32At(emf, rect + 8), 40);
    EXPECT_EQ(I32At(emf, rect + 12), 20);
    EXPECT_EQ(I32At(emf, rect + 16), 1400);
    EXPECT_EQ(I32At(emf, rect + 20), 700);
    // The pen takes handle 1 (slot 0 + 1) and is selected by it.
    const qsizetype pen = FindRecord(emf, Emr::kCreatePen);
    ASSERT_GE(pen, 0);
    EXPECT_EQ(U32At(emf, pen + 8), 1u);
    EXPECT_EQ(I32At(emf, pen + 16), 10);
    EXPECT_EQ(U32At(emf, pen + 24), 0xFFu);
    EXPECT_EQ(U32At(emf, FindRecord(emf, Emr::kSelectObject) + 8), 1u);
    EXPECT_GE(FindRecord(emf, Emr::kPolygon16), 0);

    // What the conversion writes reads back as an enhanced metafile.
    QByteArray again;
    ASSERT_TRUE(ReadEnhancedMetafile(emf, &again, nullptr, &error));
    EXPECT_EQ(again, emf);
}

TEST(WindowsMetafileConvert, WithoutPlaceableHeaderTheFrameIsTheWindowSetBeforeDrawing) {
    const auto window = [](WmfBuilder& b, int width, int height) {
        b.Record(0x020B, {0, 0}).Record(0x020C, {height, width}); // SETWINDOWORG, SETWINDOWEXT
    };
    const auto rectangle = [](WmfBuilder& b) { b.Record(0x041B, {90, 90, 10, 10}); };
    const struct {
        const char* name;
        std::function<void(WmfBuilder&)> records;
    } cases[] = {
        {"a default window replaced before drawing",
         [&](WmfBuilder& b) { window(b, 100, 100), window(b, 960, 480), rectangle(b); }},
        {"a window set again after drawing",
         [&](WmfBuilder& b) { window(b, 960, 480), rectangle(b), window(b, 100, 100); }},
        {"a window set only after drawing",
         [&](WmfBuilder& b) { rectangle(b), window(b, 960, 480); }},
    };
    for (const auto& c : cases) {
        WmfBuilder b;
        c.records(b);
        WindowsMetafile wmf;
        wmf.bytes = b.End().Metafile();
        QByteArray emf;
        QString error;
        ASSERT_TRUE(ConvertWindowsMetafile(wmf, &emf, &error)) << c.name;
        // 960 by 480 units, one unit a pixel at 96 dots per inch.
        const EmfHeader h = ParseEmfHeader(emf);
        EXPECT_EQ(h.frame.right - h.frame.left + 1, 960 * 2540 / 96) << c.name;
        EXPECT_EQ(h.frame.bottom - h.frame.top + 1, 480 * 2540 / 96) << c.name;
    }
}

TEST(WindowsMetafileConvert, DamagedRecords) {
    QByteArray bigDib; // info header claiming 4000 x 4000 x 24 bits, 8 pixel bytes
    for (int v : {40, 4000, 4000})
        WmfBuilder::Put32(bigDib, uint32_t(v));
    WmfBuilder::Put16(bigDib, 1);
    WmfBuilder::Put16(bigDib, 24);
    bigDib.append(QByteArray(24 + 8, '\0'));
    QByteArray stretchDib;
    WmfBuilder::Put32(stretchDib, 0x00CC0020);
    for (int w : {0, 10, 10, 0, 0, 10, 10, 0, 0}) // usage, sizes and positions
        WmfBuilder::Put16(stretchDib, uint16_t(w));
    stretchDib += bigDib;

    const struct {
        const char* name;
        WmfBuilder records;
        bool converts;
        uint32_t absentRecord; // a record the conversion must leave out
    } cases[] = {
        {"zero-size record", WmfBuilder().RawRecord(0, 0x041B, {}).End(), false, 0},
        {"record running past the end",
         WmfBuilder().RawRecord(500, 0x041B, QByteArray(8, '\0')).End(), false, 0},
        {"object index out of range", WmfBuilder().Record(0x012D, {7}).Record(0x01F0, {300}).End(),
         true, Emr::kSelectObject},
        {"poly-polygon counts beyond the record",
         WmfBuilder().Record(0x0538, {2, 30000, 30000, 0, 0, 10, 10}).End(), true,
         Emr::kPolyPolygon16},
        {"polygon count beyond the record", WmfBuilder().Record(0x0324, {5000, 1, 2}).End(), true,
         Emr::kPolygon16},
        {"bitmap whose header lies about its size",
         WmfBuilder().RawRecord(uint32_t(3 + stretchDib.size() / 2), 0x0F43, stretchDib).End(),
         true, Emr::kStretchDiBits},
    };
    for (const auto& c : cases) {
        WindowsMetafile wmf;
        wmf.bytes = c.records.Metafile();
        QByteArray emf;
        QString error;
        EXPECT_EQ(ConvertWindowsMetafile(wmf, &emf, &error), c.converts) << c.name;
        if (!c.converts) {
            EXPECT_FALSE(error.isEmpty()) << c.name;
            continue;
        }
        const std::vector<uint32_t> types = EmfTypes(emf);
        EXPECT_EQ(std::count(types.begin(), types.end(), c.absentRecord), 0) << c.name;
        EXPECT_EQ(types.back(), uint32_t(Emr::kEof)) << c.name;
    }
}

// A Windows metafile carrying its enhanced original in escape records of
// `pieceSize` bytes each, followed by a drawing of its own.
QByteArray WithEmbeddedOriginal(const QByteArray& emf, int pieceSize, uint16_t checksum,
                                int dropPiece = -1) {
    WmfBuilder b;
    const int count = int((emf.size() + pieceSize - 1) / pieceSize);
    for (int i = 0; i < count; ++i) {
        const QByteArray piece = emf.mid(qsizetype(i) * pieceSize, pieceSize);
        QByteArray params;
        WmfBuilder::Put16(params, 0x000F); // comment escape
        WmfBuilder::Put16(params, uint16_t(34 + piece.size()));
        WmfBuilder::Put32(params, 0x43464D57); // "WMFC"
        WmfBuilder::Put32(params, 1);
        WmfBuilder::Put32(params, 0x00010000);
        WmfBuilder::Put16(params, checksum);
        WmfBuilder::Put32(params, 0);
        WmfBuilder::Put32(params, uint32_t(count));
        WmfBuilder::Put32(params, uint32_t(piece.size()));
        WmfBuilder::Put32(params, uint32_t(emf.size() - qsizetype(i) * pieceSize - piece.size()));
        WmfBuilder::Put32(params, uint32_t(emf.size()));
        params += piece;
        if (params.size() % 2)
            params.append('\0');
        if (i != dropPiece)
            b.RawRecord(uint32_t(3 + params.size() / 2), 0x0626, params);
    }
    b.Record(0x041B, {90, 90, 10, 10}); // RECTANGLE
    return b.End().Metafile();
}

TEST(WindowsMetafileRead, TheEmbeddedEnhancedOriginalIsThePicture) {
    PlaceableHeader placeable;
    QByteArray original;
    QString error;
    ASSERT_TRUE(
        ReadMetafileFile(WmfBuilder::Placeable(0, 0, 1440, 720, 1440) + Drawing().End().Metafile(),
                         &placeable, &original, &error));
    uint16_t xorAll = 0, sum = 0;
    for (qsizetype i = 0; i + 1 < original.size(); i += 2) {
        const uint16_t word = uint16_t(uint8_t(original[i]) | uint8_t(original[i + 1]) << 8);
        xorAll ^= word;
        sum = uint16_t(sum + word);
    }
    const uint16_t good = uint16_t(~xorAll);
    const struct {
        const char* name;
        QByteArray file;
        bool embedded; // read as the original, else converted from its records
    } cases[] = {
        {"in three pieces", WithEmbeddedOriginal(original, int(original.size() / 3) + 4, good),
         true},
        {"in one piece, checksum as a sum", WithEmbeddedOriginal(original, 1 << 20, uint16_t(-sum)),
         true},
        {"wrong checksum", WithEmbeddedOriginal(original, 64, uint16_t(good ^ 1)), false},
        {"a piece missing", WithEmbeddedOriginal(original, 64, good, 1), false},
        {"with a placeable header",
         WmfBuilder::Placeable(0, 0, 100, 100, 96) + WithEmbeddedOriginal(original, 64, good),
         false},
    };
    for (const auto& c : cases) {
        QByteArray emf;
        ASSERT_TRUE(ReadMetafileFile(c.file, &placeable, &emf, &error)) << c.name;
        EXPECT_EQ(emf == original, c.embedded) << c.name;
        // The converted picture holds the file's own rectangle.
        const qsizetype rect = FindRecord(emf, Emr::kRectangle);
        ASSERT_GE(rect, 0) << c.name;
        EXPECT_EQ(I32At(emf, rect + 8), c.embedded ? 40 : 10) << c.name;
    }
}

TEST(EnhancedMetafileRead, KeepsBytesUpToTheEndRecord) {
    const QByteArray file = WmfBuilder::Placeable(0, 0, 100, 100, 96) + Drawing().End().Metafile();
    PlaceableHeader placeable;
    QByteArray emf;
    QString error;
    ASSERT_TRUE(ReadMetafileFile(file, &placeable, &emf, &error));

    // Trailing bytes after the end record are not part of the picture.
    QByteArray stored;
    EmfHeader header;
    ASSERT_TRUE(ReadEnhancedMetafile(emf + QByteArray(64, 'x'), &stored, &header, &error));
    EXPECT_EQ(stored, emf);
    EXPECT_EQ(header.records, uint32_t(EmfTypes(emf).size()));

    QByteArray pastEnd = emf;
    pastEnd[qsizetype(U32At(emf, 4)) + 4] = char(0x70); // second record's size: far too large
    QByteArray noEnd = emf.left(emf.size() - 20);
    QByteArray zeroSize = emf;
    for (int i = 0; i < 4; ++i)
        zeroSize[qsizetype(U32At(emf, 4)) + 4 + i] = 0;
    for (const QByteArray& bad : {pastEnd, noEnd, zeroSize, QByteArray("GIF89a"), QByteArray()}) {
        EXPECT_FALSE(ReadEnhancedMetafile(bad, &stored, nullptr, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
