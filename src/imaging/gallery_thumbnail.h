#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The size a picture of `picture` pixels is drawn at in a thumbnail of `box`:
// the longer side shrinks to the box (a square picture counts as tall), the
// other side in proportion with integer division truncating; a picture that
// fits is never enlarged.
QSize FitThumbnailSize(QSize picture, QSize box);

// A gallery thumbnail of the picture file `path`: an opaque white image of
// `box` with the picture drawn fitted (FitThumbnailSize) and centred. JPEG
// photos come from their EXIF thumbnail when it is at least as large as the
// fitted size and of the same shape, else from a decode at 1/8, 1/4 or 1/2 of
// their size; SVG drawings are drawn as they are placed (recorded into an
// enhanced metafile); other formats are decoded whole. A null image when the file is
// no picture Lumvane reads (the format comes from the file name's extension).
// Safe to call from any thread.
QImage MakeGalleryThumbnail(const QString& path, QSize box);

// What MakeGalleryThumbnail used for its last picture on this thread (tests
// and benchmarks check that an EXIF thumbnail really spares the decode).
enum class ThumbnailSource { kNone, kExif, kDecode };
ThumbnailSource LastThumbnailSource();
