#include "document/project_file.h"
#include "imaging/decode_limits.h"

#include <cstddef>
#include <cstdint>

// Project and layout files come from anywhere: every read must end in the
// content or in an archive error, whatever the bytes, without allocating more
// than the bytes can describe. What reads must also write again.
// Pictures of a megapixel at most, as in the image fuzzer.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDecodePixelLimit(1'000'000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    ProjectContent project;
    if (ReadProjectBytes(bytes, project, &error))
        (void)ProjectBytes(project);
    ObjectList layout;
    if (ReadLayoutBytes(bytes, layout, &error))
        (void)LayoutBytes(layout);
    return 0;
}
