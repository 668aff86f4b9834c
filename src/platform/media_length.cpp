#include "media_length.h"

#include <QFile>

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>

qint64 MediaLengthMs(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Accurate);
    if (file.isNull() || file.audioProperties() == nullptr)
        return 0;
    return qMax(0, file.audioProperties()->lengthInMilliseconds());
}
