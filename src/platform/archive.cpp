#include "archive.h"

#include "legacy_text.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
// Reference words, as the archive format defines them.
constexpr quint16 kNullTag = 0x0000;
constexpr quint16 kNewClassTag = 0xFFFF;
constexpr quint16 kClassTag = 0x8000;
constexpr quint16 kBigObjectTag = 0x7FFF;
constexpr quint32 kBigClassTag = 0x80000000;
constexpr int kMaxClassName = 64; // names must be shorter than this
// Shared runs shorter than this are copied: a piece of their own costs more.
constexpr qsizetype kShareThreshold = 4096;
} // namespace

ArchiveError::ArchiveError(const QString& what, qint64 offset)
    : std::runtime_error(QStringLiteral("%1 at byte %2").arg(what).arg(offset).toStdString()),
      m_message(what), m_offset(offset) {
}

QString ArchiveError::Text() const {
    return QStringLiteral("%1 at byte %2").arg(m_message).arg(m_offset);
}

qint64 PieceBlock::Size() const {
    qint64 n = 0;
    for (const QByteArray& piece : pieces)
        n += piece.size();
    return n;
}

QByteArray PieceBlock::Joined() const {
    if (pieces.size() == 1)
        return pieces.front();
    QByteArray all;
    all.reserve(Size());
    for (const QByteArray& piece : pieces)
        all += piece;
    return all;
}

Archive::Archive(QByteArray* block) : m_block(block) {
}

Archive::Archive(PieceBlock* out, QByteArray* scratch) : m_block(scratch), m_pieces(out) {
    m_block->resize(0);
}

Archive::~Archive() {
    Close();
}

void Archive::Close() {
    if (m_pieces == nullptr || m_block->isEmpty())
        return;
    m_flushed += m_block->size();
    m_pieces->pieces.emplace_back(m_block->constData(), m_block->size()); // exact size
    m_block->resize(0);
}

void Archive::WriteSharedBytes(const QByteArray& bytes) {
    if (m_pieces == nullptr || bytes.size() < kShareThreshold) {
        WriteBytes(bytes);
        return;
    }
    Close();
    m_pieces->pieces.push_back(bytes);
    m_flushed += bytes.size();
}

Archive::Archive(QByteArrayView data, const ClassRegistry& classes)
    : m_data(data), m_classes(&classes) {
}

void Archive::Fail(const QString& what) const {
    throw ArchiveError(what, Offset());
}

// ---- storing ----------------------------------------------------------------

void Archive::WriteWord(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    m_block->append(b, 2);
}

void Archive::WriteDword(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    m_block->append(b, 4);
}

void Archive::WriteDouble(double v) {
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    m_block->append(b, 8);
}

void Archive::WriteStringLength(quint32 n) {
    // 0xFFFE after the 0xFF byte marks 16-bit text, so a word length stops at 0xFFFD.
    if (n < 0xFF) {
        WriteByte(quint8(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(quint16(n));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(n);
    }
}

void Archive::WriteString(const QString& s) {
    const bool ascii =
        std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        // The 8-bit form holds code-page text; ASCII is the same in every code page.
        WriteStringLength(quint32(s.size()));
        const qsizetype start = m_block->size();
        m_block->resize(start + s.size());
        char* dst = m_block->data() + start;
        for (const QChar c : s)
            *dst++ = char(c.unicode());
        return;
    }
    // Anything else in the 16-bit form: the marker, then a second prefix of the
    // same three forms counting UTF-16 code units, then the units little-endian.
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    WriteStringLength(quint32(s.size()));
    const qsizetype start = m_block->size();
    m_block->resize(start + 2 * s.size());
    char* dst = m_block->data() + start;
    for (const QChar c : s) {
        qToLittleEndian(quint16(c.unicode()), dst);
        dst += 2;
    }
}

void Archive::WriteCount(quint32 n) {
    if (n < 0xFFFF) {
        WriteWord(quint16(n));
    } else {
        WriteWord(0xFFFF);
        WriteDword(n);
    }
}

void Archive::WriteObject(const ArchiveObject* object) {
    if (object == nullptr) {
        WriteWord(kNullTag);
        return;
    }
    if (const auto it = m_storeIndex.constFind(object); it != m_storeIndex.cend()) {
        if (*it < kBigObjectTag) {
            WriteWord(quint16(*it));
        } else {
            WriteWord(kBigObjectTag);
            WriteDword(*it);
        }
        return;
    }
    const ArchiveClass& cls = object->Class();
    if (const auto it = m_storeIndex.constFind(&cls); it != m_storeIndex.cend()) {
        if (*it < kBigObjectTag) {
            WriteWord(quint16(kClassTag | *it));
        } else {
            WriteWord(kBigObjectTag);
            WriteDword(kBigClassTag | *it);
        }
    } else {
        const QByteArrayView name(cls.name);
        WriteWord(kNewClassTag);
        WriteWord(cls.schema);
        WriteWord(quint16(name.size()));
        WriteBytes(name);
        m_storeIndex.insert(&cls, m_nextIndex++);
    }
    m_storeIndex.insert(object, m_nextIndex++);
    const_cast<ArchiveObject*>(object)->Serialize(*this);
}

// ---- loading ----------------------------------------------------------------

void Archive::Need(qint64 n) const {
    if (n > m_data.size() - m_pos)
        Fail(QStringLiteral("unexpected end of data (%1 more bytes needed, %2 left)")
                 .arg(n)
                 .arg(m_data.size() - m_pos));
}

quint8 Archive::ReadByte() {
    Need(1);
    return quint8(m_data[m_pos++]);
}

quint16 Archive::ReadWord() {
    Need(2);
    const quint16 v = qFromLittleEndian<quint16>(m_data.data() + m_pos);
    m_pos += 2;
    return v;
}

quint32 Archive::ReadDword() {
    Need(4);
    const quint32 v = qFromLittleEndian<quint32>(m_data.data() + m_pos);
    m_pos += 4;
    return v;
}

double Archive::ReadDouble() {
    Need(8);
    const quint64 bits = qFromLittleEndian<quint64>(m_data.data() + m_pos);
    m_pos += 8;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QByteArrayView Archive::ReadBytes(qint64 n) {
    if (n < 0)
        Fail(QStringLiteral("negative length %1").arg(n));
    Need(n);
    const QByteArrayView bytes = m_data.sliced(m_pos, n);
    m_pos += n;
    return bytes;
}

// The length after the first prefix byte: a word, or 0xFFFF and a dword.
quint32 Archive::ReadStringLength() {
    const quint16 w = ReadWord();
    return w < 0xFFFF ? w : ReadDword();
}

QString Archive::ReadString() {
    const qint64 start = m_pos;
    const quint8 b = ReadByte();
    if (b < 0xFF)
        return DecodeLegacyText(ReadBytes(b));
    const quint16 w = ReadWord();
    if (w == 0xFFFE) {
        // 16-bit characters; the second prefix has the same three forms, in
        // which 0xFFFE is an ordinary length.
        const quint8 b2 = ReadByte();
        const quint32 chars = b2 < 0xFF ? b2 : ReadStringLength();
        if (qint64(chars) * 2 > m_data.size() - m_pos) {
            m_pos = start;
            Fail(QStringLiteral("string of %1 16-bit characters runs past the end of data")
                     .arg(chars));
        }
        const QByteArrayView raw = ReadBytes(qint64(chars) * 2);
        QString s(qsizetype(chars), Qt::Uninitialized);
        for (quint32 i = 0; i < chars; ++i)
            s[i] = QChar(qFromLittleEndian<quint16>(raw.data() + 2 * i));
        return s;
    }
    const quint32 n = w < 0xFFFF ? w : ReadDword();
    if (qint64(n) > m_data.size() - m_pos) {
        m_pos = start;
        Fail(QStringLiteral("string of %1 bytes runs past the end of data").arg(n));
    }
    return DecodeLegacyText(ReadBytes(n));
}

quint32 Archive::ReadCount() {
    const quint16 w = ReadWord();
    return w != 0xFFFF ? w : ReadDword();
}

std::unique_ptr<ArchiveObject> Archive::ReadObject() {
    const qint64 start = m_pos;
    const quint16 w = ReadWord();
    const quint32 tag =
        w == kBigObjectTag ? ReadDword() : (quint32(w & kClassTag) << 16) | (w & 0x7FFF);
    const auto failAtStart = [&](const QString& what) {
        m_pos = start;
        Fail(what);
    };

    if ((tag & kBigClassTag) == 0) {
        if (tag == 0)
            return nullptr;
        if (tag > m_loadTable.size() || m_loadTable[tag - 1] != nullptr)
            failAtStart(QStringLiteral("bad object index %1").arg(tag));
        // Objects belong to exactly one owner, so a second reference to one
        // that was already read cannot be honoured.
        failAtStart(QStringLiteral("repeated reference to object %1").arg(tag));
    }

    const ArchiveClass* cls = nullptr;
    if (w == kNewClassTag) {
        const quint16 schema = ReadWord();
        const quint16 length = ReadWord();
        if (length >= kMaxClassName)
            failAtStart(QStringLiteral("class name of %1 characters is too long").arg(length));
        const QByteArrayView name = ReadBytes(length);
        cls = m_classes->Find(name);
        if (cls == nullptr)
            failAtStart(QStringLiteral("unknown class \"%1\"").arg(DecodeLegacyText(name)));
        if (schema != cls->schema)
            failAtStart(QStringLiteral("class %1 has schema %2, expected %3")
                            .arg(QString::fromLatin1(cls->name))
                            .arg(schema)
                            .arg(cls->schema));
        m_loadTable.push_back(cls);
    } else {
        const quint32 index = tag & ~kBigClassTag;
        if (index == 0 || index > m_loadTable.size() || m_loadTable[index - 1] == nullptr)
            failAtStart(QStringLiteral("bad class index %1").arg(index));
        cls = m_loadTable[index - 1];
    }
    std::unique_ptr<ArchiveObject> object = cls->create();
    m_loadTable.push_back(nullptr);
    object->Serialize(*this);
    return object;
}
