#include "mp3_info.h"

#include "platform/file_reading.h"
#include "platform/legacy_text.h"

#include <QFile>

#include <cstdint>

namespace {

constexpr int kScanSteps = 10000; // bytes tried without a header before giving up
constexpr int kFramesForEstimate = 5;

enum class Version { V25, Reserved, V2, V1 }; // the two version bits in order
enum class Layer { Reserved, III, II, I };    // the two layer bits in order

// kbit/s by bit rate index 1..14; index 0 (free format) is 0, 15 is invalid.
constexpr int kV1Rates[3][14] = {
    {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // layer I
    {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // layer II
    {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // layer III
};
constexpr int kV2Rates[2][14] = {
    {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256}, // layer I
    {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},      // layers II and III
};
constexpr int kSampleRates[4][3] = {
    {11025, 12000, 8000},  // version 2.5
    {0, 0, 0},             // reserved
    {22050, 24000, 16000}, // version 2
    {44100, 48000, 32000}, // version 1
};

int BitRate(Version version, Layer layer, int index) {
    if (index == 0)
        return 0;
    const int i = index - 1;
    if (version == Version::V1)
        return kV1Rates[layer == Layer::I ? 0 : layer == Layer::II ? 1 : 2][i];
    return kV2Rates[layer == Layer::I ? 0 : 1][i];
}

uint32_t BigEndian(QByteArrayView bytes, qsizetype at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
}

// Where the audio starts: after an ID3 version 2 tag at the start, if any.
qsizetype AudioStart(QByteArrayView file) {
    if (file.size() < 10 || !file.startsWith("ID3"))
        return 0;
    qsizetype size = 0;
    for (int i = 6; i < 10; ++i) {
        if (uint8_t(file[i]) & 0x80)
            return 0; // not a tag size: scan from the start as if there were no tag
        size = (size << 7) | uint8_t(file[i]);
    }
    const bool footer = uint8_t(file[5]) & 0x10;
    return qMin(file.size(), 10 + size + (footer ? 10 : 0));
}

// Finds the next frame header at or after `at` within kScanSteps steps.
// A header needs the eleven sync bits and, so that its frame length can be
// worked out, no reserved version or layer and no bit rate index 15.
qsizetype FindHeader(QByteArrayView file, qsizetype at, bool first) {
    for (int step = 0; step <= kScanSteps && at + 4 <= file.size(); ++step, ++at) {
        const uint32_t h = BigEndian(file, at);
        if ((h & 0xFFE00000u) != 0xFFE00000u)
            continue;
        if (((h >> 12) & 15) == 15)
            continue;
        if (first && (((h >> 19) & 3) == 1 || ((h >> 17) & 3) == 0))
            continue;
        return at;
    }
    return -1;
}

void ScanFrames(QByteArrayView file, CMp3Info& info) {
    Version version = Version::V1;
    Layer layer = Layer::III;
    int sampleRate = 0;
    int count = 0;
    long long bitRateSum = 0;
    double duration = 0;
    qsizetype at = FindHeader(file, AudioStart(file), true);
    while (at >= 0) {
        const uint32_t h = BigEndian(file, at);
        if (count == 0) {
            version = Version((h >> 19) & 3);
            layer = Layer((h >> 17) & 3);
        }
        const int bitRate = BitRate(version, layer, int((h >> 12) & 15));
        if (bitRate > 0)
            bitRateSum += bitRate;
        const int rateIndex = int((h >> 10) & 3);
        if (rateIndex != 3 && version != Version::Reserved)
            sampleRate = kSampleRates[int(version)][rateIndex];
        if (sampleRate == 0)
            break; // no rate known yet
        const int padding = int((h >> 9) & 1);
        const int frameLength = layer == Layer::I ? (12000 * bitRate / sampleRate + padding) * 4
                                                  : 144000 * bitRate / sampleRate + padding;
        ++count;
        if (count > kFramesForEstimate && bitRate != 0) {
            // The divisor is the frame length less the four header bytes: the
            // estimate counts frames of that size in the whole file.
            if (frameLength > 4)
                duration = (double(frameLength) * 8.0 / (double(bitRate) * 1000.0)) *
                           double(file.size() / (frameLength - 4));
            break;
        }
        // A free-format frame has no known length: search on from the next byte.
        at = FindHeader(file, qMax(at + frameLength, at + 1), false);
    }
    if (count > 0) {
        info.flags |= CMp3Info::kHasFrames;
        info.averageBitRate = int(bitRateSum / count);
        info.durationSeconds = int(duration);
    }
}

QString TagText(QByteArrayView bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return DecodeLegacyText(zero >= 0 ? bytes.first(zero) : bytes);
}

void ReadId3v1(QByteArrayView file, CMp3Info& info) {
    if (file.size() < 128)
        return;
    const QByteArrayView tag = file.last(128);
    if (!tag.startsWith("TAG"))
        return;
    info.title = TagText(tag.sliced(3, 30));
    info.artist = TagText(tag.sliced(33, 30));
    info.album = TagText(tag.sliced(63, 30));
    info.year = TagText(tag.sliced(93, 4));
    if (tag[125] != '\0') {
        info.comment = TagText(tag.sliced(97, 30));
    } else {
        info.comment = TagText(tag.sliced(97, 28));
        info.track = uint8_t(tag[126]);
        info.genre = uint8_t(tag[127]);
    }
    info.flags |= CMp3Info::kHasTag;
}

QString WithoutTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

} // namespace

void ParseMp3Bytes(QByteArrayView file, CMp3Info& info) {
    ScanFrames(file, info);
    ReadId3v1(file, info);
}

bool ReadMp3Info(const QString& path, CMp3Info& info) {
    info = CMp3Info{};
    info.path = path;
    QFile file;
    QString error;
    if (!OpenRegularFile(path, file, &error))
        return false;
    const qint64 size = file.size();
    if (size <= 0)
        return true;
    // Mapping reads only the pages the scan touches, even of a large file.
    if (const uchar* bytes = file.map(0, size)) {
        ParseMp3Bytes(QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(size)), info);
        file.unmap(const_cast<uchar*>(bytes));
    } else {
        ParseMp3Bytes(file.readAll(), info);
    }
    return true;
}

TrackEntry Mp3TrackRow(const CMp3Info& info) {
    TrackEntry row;
    row.artist = WithoutTrailingBlanks(info.artist);
    QString title = info.title;
    if (title.isEmpty()) {
        const qsizetype slash = qMax(info.path.lastIndexOf(u'/'), info.path.lastIndexOf(u'\\'));
        title = info.path.mid(slash + 1);
        title.chop(qMin<qsizetype>(4, title.size()));
    }
    row.title = WithoutTrailingBlanks(title);
    row.playTime =
        QString::asprintf("%d:%02d", info.durationSeconds / 60, info.durationSeconds % 60);
    return row;
}
