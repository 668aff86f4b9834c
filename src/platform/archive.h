#pragma once

#include "archive_class.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

// Why reading (or writing) an archive stopped, and at which byte.
class ArchiveError : public std::runtime_error {
public:
    ArchiveError(const QString& what, qint64 offset);
    const QString& Message() const { return m_message; }
    qint64 Offset() const { return m_offset; }
    // "<what> at byte <offset>"
    QString Text() const;

private:
    QString m_message;
    qint64 m_offset;
};

// What a storing archive writes when long runs of bytes may be kept by
// reference instead of copied: the archive's bytes are its pieces in order.
// Pieces handed to WriteSharedBytes share the caller's data.
struct PieceBlock {
    std::vector<QByteArray> pieces;

    qint64 Size() const;
    // All the bytes in one array (a single piece is shared, not copied).
    QByteArray Joined() const;
};

// The object archive: little-endian, unaligned primitives, length-prefixed
// strings, counts and object references that name each class once and then
// refer back to it by index. One index table serves classes and objects for
// the archive's whole life, so every list written through one archive shares
// it. Storing appends to a growable memory block; loading reads a byte range
// and never trusts a length or count beyond the bytes that are there.
// Every fault is thrown as an ArchiveError.
class Archive {
public:
    // Storing into `block` (appended to; the archive does not own it).
    explicit Archive(QByteArray* block);
    // Storing into `out`, writing small items through `scratch` (emptied
    // first; its capacity is reused) and keeping shared bytes by reference.
    // Close() (or the destructor) hands over the last piece.
    Archive(PieceBlock* out, QByteArray* scratch);
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;
    // Loading from `data` (which must outlive the archive), creating objects
    // through `classes`.
    Archive(QByteArrayView data, const ClassRegistry& classes);
    Archive(QByteArray&&, const ClassRegistry&) = delete; // the bytes must outlive it

    bool IsStoring() const { return m_block != nullptr; }
    bool IsLoading() const { return m_block == nullptr; }
    // Bytes written, or bytes consumed so far.
    qint64 Offset() const { return IsStoring() ? m_flushed + m_block->size() : m_pos; }
    bool AtEnd() const { return IsLoading() && m_pos >= m_data.size(); }
    [[noreturn]] void Fail(const QString& what) const;
    // Loading: a fault the reader got past (a part left empty); the reader
    // goes on and the caller may tell the user afterwards.
    void Note(const QString& what) { m_notes.append(what); }
    const QStringList& Notes() const { return m_notes; }

    void WriteByte(quint8 v) { m_block->append(char(v)); }
    void WriteWord(quint16 v);
    void WriteDword(quint32 v);
    void WriteInt(qint32 v) { WriteDword(quint32(v)); }
    void WriteDouble(double v);
    void WriteBytes(QByteArrayView bytes) { m_block->append(bytes); }
    // The same bytes as WriteBytes; when storing into a PieceBlock, long runs
    // are kept by reference to `bytes` rather than copied.
    void WriteSharedBytes(const QByteArray& bytes);
    // Ends a storing archive over a PieceBlock; nothing to do otherwise.
    void Close();
    // Pure ASCII in the 8-bit form (a one-, three- or seven-byte length
    // prefix, then the bytes); any other text in the 16-bit form (0xFF, the
    // word 0xFFFE, a second prefix, then UTF-16LE), which holds every script.
    void WriteString(const QString& s);
    void WriteCount(quint32 n);
    // Class information on first use, then the object's record; null as 0.
    void WriteObject(const ArchiveObject* object);

    quint8 ReadByte();
    quint16 ReadWord();
    quint32 ReadDword();
    qint32 ReadInt() { return qint32(ReadDword()); }
    double ReadDouble();
    QByteArrayView ReadBytes(qint64 n);
    // Up to `n` of the next bytes, without consuming them.
    QByteArrayView Peek(qint64 n) const {
        return m_data.sliced(m_pos, std::min(n, m_data.size() - m_pos));
    }
    // 8-bit strings decode as UTF-8, or as Windows-1252 when not valid UTF-8;
    // the 16-bit form (0xFF, 0xFFFE, second prefix) as UTF-16LE.
    QString ReadString();
    quint32 ReadCount();
    // A new object of the class named in the data, or null for a 0 reference.
    std::unique_ptr<ArchiveObject> ReadObject();

    // One call for both directions, for Serialize functions.
    void Int(qint32& v) { IsStoring() ? WriteInt(v) : void(v = ReadInt()); }
    void Dword(quint32& v) { IsStoring() ? WriteDword(v) : void(v = ReadDword()); }
    void Double(double& v) { IsStoring() ? WriteDouble(v) : void(v = ReadDouble()); }
    void String(QString& s) { IsStoring() ? WriteString(s) : void(s = ReadString()); }

private:
    void Need(qint64 n) const;
    void WriteStringLength(quint32 n);
    quint32 ReadStringLength();

    // Storing
    QByteArray* m_block = nullptr;
    PieceBlock* m_pieces = nullptr;
    qint64 m_flushed = 0;                     // bytes already handed to m_pieces
    QHash<const void*, quint32> m_storeIndex; // classes and objects written
    // Loading
    QByteArrayView m_data;
    qint64 m_pos = 0;
    const ClassRegistry* m_classes = nullptr;
    // Entry i-1 of the load table: a class, or null for an object.
    std::vector<const ArchiveClass*> m_loadTable;
    quint32 m_nextIndex = 1;
    QStringList m_notes;
};
