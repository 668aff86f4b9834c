#include "platform/archive.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// A minimal archivable class: one dword of its own.
class Probe : public ArchiveObject {
public:
    static const ArchiveClass& StaticClass() {
        static const ArchiveClass cls{"CProbe", 0,
                                      [] { return std::unique_ptr<ArchiveObject>(new Probe); }};
        return cls;
    }
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override { ar.Dword(value); }
    quint32 value = 0;
};

class Other : public Probe {
public:
    static const ArchiveClass& StaticClass() {
        static const ArchiveClass cls{"COther", 3,
                                      [] { return std::unique_ptr<ArchiveObject>(new Other); }};
        return cls;
    }
    const ArchiveClass& Class() const override { return StaticClass(); }
};

const ClassRegistry& Classes() {
    static const ClassRegistry r = [] {
        ClassRegistry c;
        c.Register(Probe::StaticClass());
        c.Register(Other::StaticClass());
        return c;
    }();
    return r;
}

template <typename F> QByteArray Store(F&& write) {
    QByteArray bytes;
    Archive ar(&bytes);
    write(ar);
    return bytes;
}

// The error that reading `bytes` with `read` ends in; fails if there is none.
template <typename F> ArchiveError LoadError(const QByteArray& bytes, F&& read) {
    Archive ar(bytes, Classes());
    try {
        read(ar);
    } catch (const ArchiveError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for " << bytes.toHex().constData();
    return ArchiveError(QString(), -1);
}

} // namespace

TEST(Archive, PrimitivesAreLittleEndianAndUnaligned) {
    const QByteArray bytes = Store([](Archive& ar) {
        ar.WriteByte(0xAB);
        ar.WriteWord(0x1234);
        ar.WriteDword(0x89ABCDEF);
        ar.WriteInt(-2);
        ar.WriteDouble(1.5);
    });
    EXPECT_EQ(bytes, Hex("ab3412efcdab89feffffff000000000000f83f"));
    Archive ar(bytes, Classes());
    EXPECT_EQ(ar.ReadByte(), 0xAB);
    EXPECT_EQ(ar.ReadWord(), 0x1234);
    EXPECT_EQ(ar.ReadDword(), 0x89ABCDEFu);
    EXPECT_EQ(ar.ReadInt(), -2);
    EXPECT_EQ(ar.ReadDouble(), 1.5);
    EXPECT_TRUE(ar.AtEnd());
}

TEST(Archive, StringLengthPrefixes) {
    struct Case {
        int length;
        QByteArray prefix;
    };
    const Case cases[] = {
        {0, Hex("00")},
        {254, Hex("fe")},
        {255, Hex("ffff00")},
        {65533, Hex("fffdff")},
        {65534, Hex("fffffffeff0000")}, // 0xFFFE would mean 16-bit text
        {65535, Hex("ffffffffff0000")},
        {70000, Hex("ffffff70110100")},
    };
    for (const Case& c : cases) {
        const QString text(c.length, u'x');
        const QByteArray bytes = Store([&](Archive& ar) { ar.WriteString(text); });
        EXPECT_EQ(bytes.left(c.prefix.size()).toHex(), c.prefix.toHex()) << c.length;
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        Archive ar(bytes, Classes());
        EXPECT_EQ(ar.ReadString(), text) << c.length;
        EXPECT_TRUE(ar.AtEnd());
    }
}

TEST(Archive, NonAsciiTextIsWrittenInTheSixteenBitForm) {
    // 0xFF, the word 0xFFFE, then a second prefix counting UTF-16 code units
    // in the same three forms (its word form also stops at 0xFFFD), then UTF-16LE.
    struct Case {
        QString text;
        QByteArray prefix;
    };
    const Case cases[] = {
        {QStringLiteral(u"\u00e9"), Hex("fffeff01")},
        {QString(254, QChar(0x3042)), Hex("fffefffe")},
        {QString(255, QChar(0x3042)), Hex("fffeffffff00")},
        {QString(65533, QChar(0x3042)), Hex("fffeffff"
                                            "fdff")},
        {QString(65534, QChar(0x3042)), Hex("fffeffffffff"
                                            "feff0000")},
        {QString(70000, QChar(0x3042)), Hex("fffeffffffff"
                                            "70110100")},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Store([&](Archive& ar) { ar.WriteString(c.text); });
        EXPECT_EQ(bytes.left(c.prefix.size()).toHex(), c.prefix.toHex()) << c.text.size();
        EXPECT_EQ(bytes.size(), c.prefix.size() + 2 * c.text.size()) << c.text.size();
        Archive ar(bytes, Classes());
        EXPECT_EQ(ar.ReadString(), c.text) << c.text.size();
        EXPECT_TRUE(ar.AtEnd());
    }
    // Characters outside the basic plane take two code units (a surrogate pair).
    EXPECT_EQ(Store([](Archive& ar) { ar.WriteString(QStringLiteral(u"a\u20ac\U0001F3B5")); }),
              Hex("fffeff04"
                  "6100"
                  "ac20"
                  "3cd8b5df"));
    // ASCII, including control characters, stays in the 8-bit form.
    EXPECT_EQ(Store([](Archive& ar) { ar.WriteString(QStringLiteral("A\t\x7f")); }),
              Hex("0341097f"));
}

TEST(Archive, StringEncodingsOnReading) {
    struct Case {
        const char* bytes;
        QString expected;
    };
    const Case cases[] = {
        {"0441626364", QStringLiteral("Abcd")},
        {"02c3a9", QStringLiteral("\u00e9")}, // 8-bit, valid UTF-8: older Lumvane files
        {"0c"
         "d09cd183d0b7d18bd0bad0b0",
         QStringLiteral(u"Музыка")},
        {"0280e9", QStringLiteral("\u20ac\u00e9")}, // not UTF-8: Windows-1252
        {"04"
         "43e0f4e9",
         QStringLiteral(u"Càôé")}, // Windows-1252 letters
        {"03"
         "93789d",
         QStringLiteral(u"\u201cx\u009d")}, // and its 0x80..0x9F block
        // 16-bit form: 0xFF, 0xFFFE, a second prefix, UTF-16LE characters.
        {"fffeff0241002000", QStringLiteral("A ")},
        {"fffeffff020041002000", QStringLiteral("A ")},              // second prefix as a word
        {"fffeffffffff020000004100ac20", QStringLiteral("A\u20ac")}, // and as a dword
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Hex(c.bytes);
        Archive ar(bytes, Classes());
        EXPECT_EQ(ar.ReadString(), c.expected) << c.bytes;
        EXPECT_TRUE(ar.AtEnd()) << c.bytes;
    }
}

TEST(Archive, Counts) {
    EXPECT_EQ(Store([](Archive& ar) { ar.WriteCount(0xFFFE); }), Hex("feff"));
    EXPECT_EQ(Store([](Archive& ar) { ar.WriteCount(0xFFFF); }), Hex("ffffffff0000"));
    EXPECT_EQ(Store([](Archive& ar) { ar.WriteCount(70000); }), Hex("ffff70110100"));
    const QByteArray bytes = Hex("feffffff70110100");
    Archive ar(bytes, Classes());
    EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
    EXPECT_EQ(ar.ReadCount(), 70000u);
}

TEST(Archive, ObjectReferencesNameEachClassOnce) {
    Probe a, b;
    Other c;
    a.value = 1, b.value = 2, c.value = 3;
    const QByteArray bytes = Store([&](Archive& ar) {
        ar.WriteObject(&a);
        ar.WriteObject(&b);
        ar.WriteObject(nullptr);
        ar.WriteObject(&c);
        ar.WriteObject(&a); // already written: its index
    });
    // Class 1, object 2, object 3 (class ref 0x8001), null, class 4, object 5, back-ref 2.
    EXPECT_EQ(bytes.toHex(), Hex("ffff00000600"
                                 "4350726f6265"
                                 "01000000"
                                 "0180"
                                 "02000000"
                                 "0000"
                                 "ffff03000600"
                                 "434f74686572"
                                 "03000000"
                                 "0200")
                                 .toHex());
    Archive ar(bytes, Classes());
    auto first = ar.ReadObject();
    auto second = ar.ReadObject();
    EXPECT_EQ(ar.ReadObject(), nullptr);
    auto third = ar.ReadObject();
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(static_cast<Probe&>(*first).value, 1u);
    EXPECT_EQ(static_cast<Probe&>(*second).value, 2u);
    EXPECT_EQ(&third->Class(), &Other::StaticClass());
    EXPECT_EQ(static_cast<Probe&>(*third).value, 3u);
}

TEST(Archive, IndicesFrom0x7FFFUseTheLongForms) {
    // 0x7FFF probes take indices 2..0x8000, so the next new class gets
    // 0x8001 and its second object must refer to it with the long form.
    std::vector<Probe> probes(0x7FFF);
    Other x, y;
    const QByteArray bytes = Store([&](Archive& ar) {
        for (Probe& p : probes)
            ar.WriteObject(&p);
        ar.WriteObject(&x); // class 0x8001, object 0x8002
        ar.WriteObject(&y); // class by index 0x8001, object 0x8003
        ar.WriteObject(&y); // back-reference 0x8003
    });
    const qsizetype afterProbes = 6 + 6 + 4 + (0x7FFF - 1) * (2 + 4);
    const QByteArray tail = bytes.mid(afterProbes);
    EXPECT_EQ(tail.toHex(), Hex("ffff03000600434f7468657200000000"
                                "ff7f01800080"
                                "00000000"
                                "ff7f03800000")
                                .toHex());

    Archive ar(bytes, Classes());
    for (int i = 0; i < 0x7FFF; ++i)
        ASSERT_TRUE(ar.ReadObject());
    EXPECT_EQ(&ar.ReadObject()->Class(), &Other::StaticClass());
    EXPECT_EQ(&ar.ReadObject()->Class(), &Other::StaticClass());
}

TEST(Archive, ViolationsAreErrorsWithTheirOffset) {
    struct Case {
        const char* name;
        const char* bytes;
        const char* message; // part of the message
        qint64 offset;
    };
    const Case cases[] = {
        {"unknown class", "0000ffff00000400434e6f7401000000", "unknown class \"CNot\"", 2},
        {"schema mismatch",
         "ffff01000600"
         "4350726f6265"
         "00000000",
         "schema 1, expected 0", 0},
        {"bad class index", "0580", "bad class index 5", 0},
        {"class index of an object",
         "ffff00000600"
         "4350726f6265"
         "01000000"
         "0280",
         "bad class index 2", 16},
        {"bad object index", "0500", "bad object index 5", 0},
        {"class index as object",
         "ffff00000600"
         "4350726f6265"
         "01000000"
         "0100",
         "bad object index 1", 16},
        {"repeated object",
         "ffff00000600"
         "4350726f6265"
         "01000000"
         "0200",
         "repeated reference to object 2", 16},
        {"class name of 64", "ffff00004000", "64 characters", 0},
        {"premature end in record",
         "ffff00000600"
         "4350726f6265"
         "0100",
         "end of data", 12},
        {"premature end in name",
         "ffff00000600"
         "4350",
         "end of data", 6},
        {"big tag cut short", "ff7f0100", "end of data", 2},
    };
    for (const Case& c : cases) {
        const ArchiveError e = LoadError(Hex(c.bytes), [](Archive& ar) {
            ar.ReadObject();
            ar.ReadObject();
        });
        EXPECT_TRUE(e.Message().contains(QLatin1String(c.message)))
            << c.name << ": " << e.Message().toStdString();
        EXPECT_EQ(e.Offset(), c.offset) << c.name;
        EXPECT_TRUE(e.Text().endsWith(QStringLiteral(" at byte %1").arg(c.offset))) << c.name;
    }
}

TEST(Archive, LengthsBeyondTheDataFailWithoutAllocating) {
    const char* strings[] = {
        "ffffffffffffff7f41",   // 2 GB of 8-bit text
        "fffeffffffffffffff7f", // 16-bit text beyond the end
        "ffffff",               // prefix cut short
        "05414243",             // 5 bytes announced, 3 there
    };
    for (const char* s : strings) {
        const ArchiveError e = LoadError(Hex(s), [](Archive& ar) { ar.ReadString(); });
        EXPECT_EQ(e.Offset() >= 0, true) << s;
    }
}

TEST(Archive, EveryCutOfAValidStreamIsAnError) {
    Probe a;
    Other b;
    const QByteArray bytes = Store([&](Archive& ar) {
        ar.WriteObject(&a);
        ar.WriteString(QString(300, u'q'));
        ar.WriteObject(&b);
        ar.WriteCount(0x12345);
    });
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        Archive ar(QByteArrayView(bytes).first(n), Classes());
        EXPECT_THROW(
            {
                ar.ReadObject();
                ar.ReadString();
                ar.ReadObject();
                ar.ReadCount();
            },
            ArchiveError)
            << n;
    }
}

TEST(Archive, PieceBlocksKeepLongRunsByReference) {
    const QByteArray big(10000, 'p');
    const QByteArray small("tiny");
    PieceBlock out;
    QByteArray scratch("left over");
    {
        Archive ar(&out, &scratch);
        ar.WriteWord(1);
        ar.WriteSharedBytes(big);
        EXPECT_EQ(ar.Offset(), 2 + 10000);
        ar.WriteSharedBytes(small);
        ar.WriteDword(2);
        EXPECT_EQ(ar.Offset(), 2 + 10000 + 4 + 4);
    }
    ASSERT_EQ(out.pieces.size(), 3u);
    EXPECT_EQ(out.pieces[1].constData(), big.constData()); // shared, not copied
    EXPECT_EQ(out.Joined(), Hex("0100") + big + small + Hex("02000000"));
    EXPECT_EQ(out.Size(), 10010);

    // Over a plain block the same calls simply append.
    QByteArray plain;
    Archive ar(&plain);
    ar.WriteWord(1);
    ar.WriteSharedBytes(big);
    EXPECT_EQ(plain.size(), 10002);
}
