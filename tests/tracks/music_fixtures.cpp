#include "music_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray Be32(quint32 value) {
    QByteArray out(4, '\0');
    qToBigEndian(value, out.data());
    return out;
}
QByteArray Be16(quint16 value) {
    QByteArray out(2, '\0');
    qToBigEndian(value, out.data());
    return out;
}
QByteArray Le32(quint32 value) {
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out;
}
QByteArray Le16(quint16 value) {
    QByteArray out(2, '\0');
    qToLittleEndian(value, out.data());
    return out;
}
QByteArray Atom(const char* type, const QByteArray& payload) {
    return Be32(quint32(8 + payload.size())) + type + payload;
}
QByteArray Padded(const QByteArray& text, int size) {
    return text.left(size) + QByteArray(size - qMin<int>(size, text.size()), '\0');
}

} // namespace

QByteArray Mp3Frames(quint32 header, int count, int frameLength) {
    QByteArray frame = Be32(header) + QByteArray(frameLength - 4, '\0');
    return frame.repeated(count);
}

QByteArray Id3v1Tag(const QByteArray& title, const QByteArray& artist, int track,
                    const QByteArray& comment) {
    QByteArray tag = "TAG" + Padded(title, 30) + Padded(artist, 30) + Padded("Album", 30) + "2001";
    if (track < 0)
        tag += Padded(comment, 30) + char(17);
    else
        tag += Padded(comment, 28) + '\0' + char(track) + char(17);
    return tag;
}

void WriteSparseFile(const QString& path, const QByteArray& head, qint64 size,
                     const QByteArray& tail) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(size));
    if (!tail.isEmpty()) {
        file.seek(size - tail.size());
        file.write(tail);
    }
}

void WriteWav(const QString& path, int sampleRate, qint64 seconds) {
    const quint32 dataSize = quint32(sampleRate * seconds);
    const QByteArray fmt = Le16(1) + Le16(1) + Le32(quint32(sampleRate)) +
                           Le32(quint32(sampleRate)) + Le16(1) + Le16(8);
    const QByteArray head = "RIFF" + Le32(4 + 8 + 16 + 8 + dataSize) + "WAVE" + "fmt " + Le32(16) +
                            fmt + "data" + Le32(dataSize);
    WriteSparseFile(path, head, head.size() + qint64(dataSize));
}

void WriteM4a(const QString& path, quint32 milliseconds) {
    const QByteArray matrix = Be32(0x10000) + QByteArray(12, '\0') + Be32(0x10000) +
                              QByteArray(12, '\0') + Be32(0x40000000);
    const QByteArray mvhd = Atom(
        "mvhd", Be32(0) + Be32(0) + Be32(0) + Be32(1000) + Be32(milliseconds) + Be32(0x10000) +
                    Be16(0x100) + QByteArray(10, '\0') + matrix + QByteArray(24, '\0') + Be32(2));
    const QByteArray tkhd =
        Atom("tkhd", Be32(7) + Be32(0) + Be32(0) + Be32(1) + Be32(0) + Be32(milliseconds) +
                         QByteArray(8, '\0') + Be16(0) + Be16(0) + Be16(0x100) + Be16(0) + matrix +
                         Be32(0) + Be32(0));
    const QByteArray mdhd = Atom("mdhd", Be32(0) + Be32(0) + Be32(0) + Be32(44100) +
                                             Be32(quint32(quint64(milliseconds) * 44100 / 1000)) +
                                             Be16(0x55c4) + Be16(0));
    const QByteArray hdlr =
        Atom("hdlr", Be32(0) + Be32(0) + "soun" + QByteArray(12, '\0') + QByteArray(1, '\0'));
    const QByteArray mp4a =
        Atom("mp4a", QByteArray(6, '\0') + Be16(1) + QByteArray(8, '\0') + Be16(2) + Be16(16) +
                         Be16(0) + Be16(0) + Be32(44100u << 16));
    const QByteArray stsd = Atom("stsd", Be32(0) + Be32(1) + mp4a);
    const QByteArray stbl = Atom(
        "stbl", stsd + Atom("stts", Be32(0) + Be32(0)) + Atom("stsc", Be32(0) + Be32(0)) +
                    Atom("stsz", Be32(0) + Be32(0) + Be32(0)) + Atom("stco", Be32(0) + Be32(0)));
    const QByteArray minf = Atom("minf", Atom("smhd", Be32(0) + Be32(0)) + stbl);
    const QByteArray trak = Atom("trak", tkhd + Atom("mdia", mdhd + hdlr + minf));
    const QByteArray file = Atom("ftyp", QByteArray("M4A ") + Be32(0) + "M4A mp42isom") +
                            Atom("moov", mvhd + trak) + Atom("mdat", QByteArray(16, '\0'));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
}
