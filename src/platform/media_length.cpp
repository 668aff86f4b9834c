#include "media_length.h"

#include "file_reading.h"
#include "native_path.h"

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>

qint64 MediaLengthMs(const QString& path) {
    // TagLib would wait forever on a FIFO and read a device without end.
    QString error;
    if (IsSpecialFile(path, &error))
        return 0;
    const QByteArray name = NativePath(path);
    TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Accurate);
    if (file.isNull() || file.audioProperties() == nullptr)
        return 0;
    return qMax(0, file.audioProperties()->lengthInMilliseconds());
}
