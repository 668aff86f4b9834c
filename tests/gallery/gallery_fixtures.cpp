#include "gallery_fixtures.h"

#include <QFile>
#include <QProcess>

bool RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool MakePicture(const QString& path, int width, int height, const QString& colour) {
    return RunTool(QStringLiteral("convert"),
                   {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(width).arg(height),
                    QStringLiteral("xc:") + colour, path});
}

bool EmbedExifThumbnail(const QString& path, int width, int height, const QString& colour) {
    const QString thumb = path + QStringLiteral(".thumb.jpg");
    const bool ok = MakePicture(thumb, width, height, colour) &&
                    RunTool(QStringLiteral("exiftool"),
                            {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                             QStringLiteral("-ThumbnailImage<=") + thumb, path});
    QFile::remove(thumb);
    return ok;
}
