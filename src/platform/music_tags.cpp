#include "music_tags.h"

#include "file_reading.h"
#include "native_path.h"

#include <QFile>

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/rifffile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <cstring>
#include <iterator>

namespace {

// A cover larger than this is no cover but damage or a joke.
constexpr unsigned kMaxCoverBytes = 32u << 20;

QString Text(const TagLib::String& text) {
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

QByteArray Bytes(const TagLib::ByteVector& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxCoverBytes)
        return {};
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The number before a "/" ("3/12" gives 3); 0 when there is none.
int LeadingNumber(const TagLib::PropertyMap& properties, const char* key) {
    const auto it = properties.find(key);
    if (it == properties.end() || it->second.isEmpty())
        return 0;
    const QString text = Text(it->second.front());
    const qsizetype slash = text.indexOf(u'/');
    bool ok = false;
    const int value = (slash >= 0 ? text.left(slash) : text).trimmed().toInt(&ok);
    return ok && value > 0 ? value : 0;
}

QString FirstValue(const TagLib::PropertyMap& properties, const char* key) {
    const auto it = properties.find(key);
    return it == properties.end() || it->second.isEmpty() ? QString() : Text(it->second.front());
}

void ReadText(const TagLib::Tag& tag, const TagLib::PropertyMap& properties, MusicFileTags& tags) {
    tags.title = Text(tag.title());
    tags.artist = Text(tag.artist());
    tags.album = Text(tag.album());
    tags.albumArtist = FirstValue(properties, "ALBUMARTIST");
    if (tag.year() > 0)
        tags.year = QString::number(tag.year());
    else if (const QString date = FirstValue(properties, "DATE"); !date.isEmpty())
        tags.year = date.left(4);
    tags.track = int(qMin(tag.track(), 9999u));
    if (tags.track == 0)
        tags.track = LeadingNumber(properties, "TRACKNUMBER");
    tags.disc = qMin(LeadingNumber(properties, "DISCNUMBER"), 999);
}

// The front cover among FLAC or Vorbis comment pictures; a picture of type
// "other" serves when no picture says it is the front cover.
QByteArray CoverOf(const TagLib::List<TagLib::FLAC::Picture*>& pictures) {
    QByteArray other;
    for (const TagLib::FLAC::Picture* picture : pictures) {
        if (picture->type() == TagLib::FLAC::Picture::FrontCover)
            return Bytes(picture->data());
        if (picture->type() == TagLib::FLAC::Picture::Other && other.isEmpty())
            other = Bytes(picture->data());
    }
    return other;
}

QByteArray CoverOf(const TagLib::ID3v2::Tag* tag) {
    if (tag == nullptr)
        return {};
    QByteArray other;
    for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
        const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (picture == nullptr)
            continue;
        if (picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            return Bytes(picture->picture());
        if (picture->type() == TagLib::ID3v2::AttachedPictureFrame::Other && other.isEmpty())
            other = Bytes(picture->picture());
    }
    return other;
}

QByteArray CoverOf(TagLib::MP4::Tag* tag) {
    if (tag == nullptr || !tag->contains("covr"))
        return {};
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    return covers.isEmpty() ? QByteArray() : Bytes(covers.front().data());
}

QByteArray CoverOf(TagLib::ASF::Tag* tag) {
    if (tag == nullptr || !tag->contains("WM/Picture"))
        return {};
    QByteArray other;
    for (const TagLib::ASF::Attribute& attribute : tag->attribute("WM/Picture")) {
        const TagLib::ASF::Picture picture = attribute.toPicture();
        if (!picture.isValid())
            continue;
        if (picture.type() == TagLib::ASF::Picture::FrontCover)
            return Bytes(picture.picture());
        if (other.isEmpty())
            other = Bytes(picture.picture());
    }
    return other;
}

QByteArray CoverOf(TagLib::APE::Tag* tag) {
    if (tag == nullptr)
        return {};
    const auto items = tag->itemListMap();
    const auto it = items.find("COVER ART (FRONT)");
    if (it == items.end() || it->second.type() != TagLib::APE::Item::Binary)
        return {};
    // A file name ending in a zero byte, then the picture file.
    const TagLib::ByteVector value = it->second.binaryData();
    const int zero = value.find('\0');
    return zero < 0 ? QByteArray() : Bytes(value.mid(unsigned(zero) + 1));
}

QByteArray CoverOf(TagLib::File* file) {
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) {
        QByteArray cover = CoverOf(flac->pictureList());
        if (cover.isEmpty() && flac->hasXiphComment())
            cover = CoverOf(flac->xiphComment()->pictureList());
        return cover;
    }
    if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(file))
        return vorbis->tag() != nullptr ? CoverOf(vorbis->tag()->pictureList()) : QByteArray();
    if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(file))
        return opus->tag() != nullptr ? CoverOf(opus->tag()->pictureList()) : QByteArray();
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
        return mpeg->hasID3v2Tag() ? CoverOf(mpeg->ID3v2Tag()) : QByteArray();
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file))
        return CoverOf(mp4->tag());
    if (auto* asf = dynamic_cast<TagLib::ASF::File*>(file))
        return CoverOf(asf->tag());
    if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file))
        return aiff->hasID3v2Tag() ? CoverOf(aiff->tag()) : QByteArray();
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file))
        return wav->hasID3v2Tag() ? CoverOf(wav->ID3v2Tag()) : QByteArray();
    if (auto* ape = dynamic_cast<TagLib::APE::File*>(file))
        return ape->hasAPETag() ? CoverOf(ape->APETag()) : QByteArray();
    return {};
}

// Raw AAC in ADTS frames (.aac), which TagLib does not read: the length from
// the frame headers, each frame 1024 samples per raw data block. After an
// ID3 version 2 tag, if any; the count ends at the first damaged header.
qint64 AdtsLengthMs(const QString& path) {
    QFile file;
    QString error;
    if (!OpenRegularFile(path, file, &error) || file.size() < 7)
        return 0;
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (bytes == nullptr)
        return 0;
    static constexpr int kRates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                     22050, 16000, 12000, 11025, 8000,  7350};
    qint64 at = 0;
    if (size >= 10 && std::memcmp(bytes, "ID3", 3) == 0)
        at = 10 + ((qint64(bytes[6] & 0x7F) << 21) | (qint64(bytes[7] & 0x7F) << 14) |
                   (qint64(bytes[8] & 0x7F) << 7) | qint64(bytes[9] & 0x7F));
    qint64 samples = 0;
    int rate = 0;
    while (at + 7 <= size) {
        const uchar* h = bytes + at;
        if (h[0] != 0xFF || (h[1] & 0xF6) != 0xF0)
            break;
        const int rateIndex = (h[2] >> 2) & 0x0F;
        const int length = ((h[3] & 0x03) << 11) | (h[4] << 3) | (h[5] >> 5);
        if (rateIndex >= int(std::size(kRates)) || length < 7)
            break;
        rate = kRates[rateIndex];
        samples += 1024 * ((h[6] & 0x03) + 1);
        at += length;
    }
    file.unmap(const_cast<uchar*>(bytes));
    return rate > 0 ? samples * 1000 / rate : 0;
}

} // namespace

bool ReadMusicFileTags(const QString& path, MusicFileTags& tags, MusicTagOptions options) {
    tags = MusicFileTags{};
    // TagLib would wait forever on a FIFO and read a device without end.
    QString error;
    if (IsSpecialFile(path, &error))
        return false;
    const QByteArray name = NativePath(path);
    if (options.id3v2Only) {
        // Read as MPEG audio whatever the name says, as the MP3 reader does.
        TagLib::MPEG::File mpeg(name.constData(), true, TagLib::AudioProperties::Average);
        if (!mpeg.isValid() || !mpeg.hasID3v2Tag())
            return false;
        tags.recognised = true;
        if (mpeg.audioProperties() != nullptr)
            tags.lengthMs = qMax(0, mpeg.audioProperties()->lengthInMilliseconds());
        ReadText(*mpeg.ID3v2Tag(), mpeg.ID3v2Tag()->properties(), tags);
        tags.cover = CoverOf(mpeg.ID3v2Tag());
        return true;
    }
    TagLib::FileRef ref(name.constData(), true, TagLib::AudioProperties::Average);
    if (ref.isNull() || ref.audioProperties() == nullptr) {
        if (!path.endsWith(QLatin1String(".aac"), Qt::CaseInsensitive))
            return false;
        tags.lengthMs = AdtsLengthMs(path);
        tags.recognised = tags.lengthMs > 0;
        return tags.recognised;
    }
    tags.recognised = true;
    tags.lengthMs = qMax(0, ref.audioProperties()->lengthInMilliseconds());
    if (ref.tag() != nullptr)
        ReadText(*ref.tag(), ref.file()->properties(), tags);
    tags.cover = CoverOf(ref.file());
    return true;
}
