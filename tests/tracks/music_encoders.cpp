#include "music_encoders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// One second of 16-bit mono silence at 44.1 kHz, which every encoder takes.
// Made once, in a folder of its own so that it never joins an import.
QString SilentWav() {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("silence.wav"));
    if (QFileInfo::exists(path))
        return path;
    const quint32 rate = 44100;
    const quint32 dataSize = rate * 2;
    QByteArray head = "RIFF" + QByteArray(4, '\0') + "WAVEfmt " + QByteArray(4, '\0') +
                      QByteArray(16, '\0') + "data" + QByteArray(4, '\0');
    char* d = head.data();
    qToLittleEndian<quint32>(36 + dataSize, d + 4);
    qToLittleEndian<quint32>(16, d + 16);
    qToLittleEndian<quint16>(1, d + 20);        // PCM
    qToLittleEndian<quint16>(1, d + 22);        // mono
    qToLittleEndian<quint32>(rate, d + 24);     // samples per second
    qToLittleEndian<quint32>(rate * 2, d + 28); // bytes per second
    qToLittleEndian<quint16>(2, d + 32);        // block alignment
    qToLittleEndian<quint16>(16, d + 34);       // bits per sample
    qToLittleEndian<quint32>(dataSize, d + 40);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head + QByteArray(qsizetype(dataSize), '\0'));
    return path;
}

bool Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << program.toStdString() << " is not installed (scripts/dev.sh installs it)";
        return false;
    }
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAll().toStdString();
        return false;
    }
    return true;
}

// Vorbis comment fields, as flac, oggenc and opusenc take them.
QStringList Comments(const EncoderTags& tags) {
    QStringList fields;
    const auto add = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            fields << QStringLiteral("%1=%2").arg(QLatin1String(key), value);
    };
    add("TITLE", tags.title);
    add("ARTIST", tags.artist);
    add("ALBUM", tags.album);
    add("ALBUMARTIST", tags.albumArtist);
    add("DATE", tags.year);
    if (tags.track > 0)
        add("TRACKNUMBER", QString::number(tags.track));
    if (tags.disc > 0)
        add("DISCNUMBER", QString::number(tags.disc));
    return fields;
}

// ffmpeg's names for the same fields.
QStringList FfmpegMetadata(const EncoderTags& tags) {
    QStringList args;
    const auto add = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            args << QStringLiteral("-metadata")
                 << QStringLiteral("%1=%2").arg(QLatin1String(key), value);
    };
    add("title", tags.title);
    add("artist", tags.artist);
    add("album", tags.album);
    add("album_artist", tags.albumArtist);
    add("date", tags.year);
    if (tags.track > 0)
        add("track", QString::number(tags.track));
    if (tags.disc > 0)
        add("disc", QString::number(tags.disc));
    return args;
}

} // namespace

bool EncodeMusic(Encoder encoder, const QString& path, const EncoderTags& tags,
                 const QString& cover) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString source = SilentWav();
    QStringList args;
    switch (encoder) {
    case Encoder::Flac:
        args << QStringLiteral("-s") << QStringLiteral("-f");
        for (const QString& field : Comments(tags))
            args << QStringLiteral("--tag=") + field;
        if (!cover.isEmpty())
            args << QStringLiteral("--picture=3||||") + cover;
        return Run(QStringLiteral("flac"), args << QStringLiteral("-o") << path << source);
    case Encoder::Vorbis:
        args << QStringLiteral("-Q");
        for (const QString& field : Comments(tags))
            args << QStringLiteral("-c") << field;
        return Run(QStringLiteral("oggenc"), args << QStringLiteral("-o") << path << source);
    case Encoder::Opus:
        args << QStringLiteral("--quiet");
        for (const QString& field : Comments(tags))
            args << QStringLiteral("--comment") << field;
        if (!cover.isEmpty())
            args << QStringLiteral("--picture") << QStringLiteral("3||||") + cover;
        return Run(QStringLiteral("opusenc"), args << source << path);
    case Encoder::Mp3: {
        // lame writes an ID3 version 2 tag only, and the cover as front cover.
        args << QStringLiteral("--quiet") << QStringLiteral("--id3v2-only");
        const std::pair<const char*, QString> fields[] = {
            {"--tt", tags.title},
            {"--ta", tags.artist},
            {"--tl", tags.album},
            {"--ty", tags.year},
            {"--tn", tags.track > 0 ? QString::number(tags.track) : QString()},
            {"--tv", tags.albumArtist.isEmpty() ? QString() : "TPE2=" + tags.albumArtist},
            {"--tv", tags.disc > 0 ? "TPOS=" + QString::number(tags.disc) : QString()},
            {"--ti", cover}};
        for (const auto& [option, value] : fields)
            if (!value.isEmpty())
                args << QLatin1String(option) << value;
        return Run(QStringLiteral("lame"), args << source << path);
    }
    case Encoder::M4a:
    case Encoder::Aac:
    case Encoder::Aiff:
    case Encoder::Wma: {
        args << QStringLiteral("-v") << QStringLiteral("error") << QStringLiteral("-y")
             << QStringLiteral("-i") << source;
        if (!cover.isEmpty())
            args << QStringLiteral("-i") << cover << QStringLiteral("-map") << QStringLiteral("0")
                 << QStringLiteral("-map") << QStringLiteral("1") << QStringLiteral("-c:v")
                 << QStringLiteral("copy") << QStringLiteral("-disposition:v")
                 << QStringLiteral("attached_pic");
        const char* codec = encoder == Encoder::M4a || encoder == Encoder::Aac ? "aac"
                            : encoder == Encoder::Aiff                         ? "pcm_s16be"
                                                                               : "wmav2";
        args << QStringLiteral("-c:a") << QLatin1String(codec);
        if (encoder == Encoder::Aiff)
            args << QStringLiteral("-write_id3v2") << QStringLiteral("1");
        return Run(QStringLiteral("ffmpeg"), args << FfmpegMetadata(tags) << path);
    }
    }
    return false;
}

void WritePictureFile(const QString& path, Qt::GlobalColor colour) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path));
}
