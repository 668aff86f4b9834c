#include "imaging/exif_thumbnail.h"

#include <libexif/exif-data.h>

#include <memory>

namespace {

struct ExifDataDeleter {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

} // namespace

QByteArray ExifThumbnail(QByteArrayView head) {
    // Not a JPEG file: libexif would search the whole buffer for a header.
    if (head.size() < 4 || uint8_t(head[0]) != 0xFF || uint8_t(head[1]) != 0xD8)
        return {};
    std::unique_ptr<ExifData, ExifDataDeleter> data(exif_data_new());
    if (!data)
        return {};
    // Only the thumbnail is wanted: skip the maker notes and the tag checks.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(head.data()),
                        unsigned(head.size()));
    // libexif bounds the thumbnail by the block it read; a stream that does not
    // start like a JPEG file (an uncompressed TIFF strip, say) is no use here.
    if (!data->data || data->size < 4 || data->data[0] != 0xFF || data->data[1] != 0xD8)
        return {};
    return QByteArray(reinterpret_cast<const char*>(data->data), qsizetype(data->size));
}
