#include "track_list.h"

#include <QStringList>

namespace {

// A field of one or two decimal digits (minutes or hours may have one).
std::optional<int> Digits(QStringView field, bool twoRequired) {
    if (field.isEmpty() || field.size() > 2 || (twoRequired && field.size() != 2))
        return std::nullopt;
    int value = 0;
    for (QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::vector<TrackListLine> TrackListLines(const AlbumData& album) {
    std::vector<TrackListLine> lines;
    lines.reserve(album.tracks.size());
    const QString albumArtist = album.artist.trimmed();
    int number = 0;
    for (const TrackEntry& track : album.tracks) {
        TrackListLine line;
        line.number = QStringLiteral("%1.").arg(++number, 2, 10, QLatin1Char('0'));
        line.title = track.title.trimmed();
        const QString artist = track.artist.trimmed();
        if (!artist.isEmpty() && artist != albumArtist)
            line.title += QStringLiteral(" \u2013 ") + artist;
        line.playTime = track.playTime.trimmed();
        lines.push_back(line);
    }
    return lines;
}

QString TrackListText(const AlbumData& album) {
    QStringList rows;
    for (const TrackListLine& line : TrackListLines(album)) {
        QString row = line.number + QLatin1Char(' ') + line.title;
        if (!line.playTime.isEmpty())
            row += QStringLiteral("  ") + line.playTime;
        rows << row;
    }
    return rows.join(QStringLiteral("\r\n"));
}

std::optional<int> PlayTimeSeconds(QStringView playTime) {
    const QStringView text = playTime.trimmed();
    const qsizetype first = text.indexOf(u':');
    if (first < 0)
        return std::nullopt;
    const qsizetype second = text.indexOf(u':', first + 1);
    if (second < 0) {
        const auto minutes = Digits(text.first(first), false);
        const auto seconds = Digits(text.sliced(first + 1), true);
        if (!minutes || !seconds || *seconds > 59)
            return std::nullopt;
        return *minutes * 60 + *seconds;
    }
    const auto hours = Digits(text.first(first), false);
    const auto minutes = Digits(text.sliced(first + 1, second - first - 1), true);
    const auto seconds = Digits(text.sliced(second + 1), true);
    if (!hours || !minutes || !seconds || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    return (*hours * 60 + *minutes) * 60 + *seconds;
}

QString AlbumLength(const AlbumData& album) {
    // 64 bits: a list of many long tracks cannot overflow the sum.
    long long total = 0;
    for (const TrackEntry& track : album.tracks)
        total += PlayTimeSeconds(track.playTime).value_or(0);
    const long long seconds = total % 60;
    const long long minutes = total / 60 % 60;
    const long long hours = total / 3600;
    if (hours == 0)
        return QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}
