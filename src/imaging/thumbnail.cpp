#include "imaging/thumbnail.h"

#include "imaging/raster_image.h"
#include "imaging/resample.h"

#include <QImage>

#include <algorithm>
#include <cstring>

bool DecodeThumbnail(std::span<const uint8_t> bytes, int formatId, int maxWidth, int maxHeight,
                     CRasterImage& out) {
    if (maxWidth <= 0 || maxHeight <= 0) {
        out.SetError("Thumbnail has no size");
        return false;
    }
    CRasterImage full;
    // Twice the thumbnail size keeps the display filter's averaging.
    full.SetDecodeHint(maxWidth * 2, maxHeight * 2);
    if (!full.DecodeFrom(bytes, formatId)) {
        out.SetError(full.Info().lastError);
        return false;
    }
    if (full.BitCount() != 24) {
        CRasterImage converted;
        if (!converted.LoadFromQImage(full.ToQImage())) {
            out.SetError(converted.Info().lastError);
            return false;
        }
        full = std::move(converted);
    }
    const double scale =
        std::min({1.0, double(maxWidth) / full.Width(), double(maxHeight) / full.Height()});
    const int w = std::max(1, int(full.Width() * scale + 0.5));
    const int h = std::max(1, int(full.Height() * scale + 0.5));
    CRasterImage thumb;
    if (!thumb.Allocate(w, h, 24, formatId)) {
        out.SetError(thumb.Info().lastError);
        return false;
    }
    if (w == full.Width() && h == full.Height())
        std::memcpy(thumb.Bits(), full.Bits(), size_t(full.Stride()) * h);
    else
        Resample24(full.Bits(), full.Width(), full.Height(), full.Stride(), thumb.Bits(), w, h,
                   thumb.Stride());
    thumb.SetDpi(full.Info().xDpi, full.Info().yDpi);
    out = std::move(thumb);
    return true;
}
