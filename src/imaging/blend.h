#pragma once

#include <cstdint>

#include <QImage>
#include <QPoint>
#include <QRect>

class CRasterImage;
class QPainter;

// Drawing an image with its alpha channel, overall opacity and transparent
// colour over what is already on a face. The device rectangle may differ from
// the image size: 24-bit images then draw from their cached resampled copy.

// The visible part of one draw, composed over the face's pixels. `mask` is
// filled only for printing: black pixels print, white ones are left out.
struct BlendedSection {
    QImage section; // Format_BGR888, the size of `visible`
    QImage mask;    // Format_Grayscale8 or null
    QRect visible;  // in device pixels, inside the face rectangle
};

// Composes `image` at `imageRect` over `canvas` (the face as drawn, in device
// pixels). Returns false when nothing is visible or the image cannot draw.
bool ComposeSection(CRasterImage& image, const QImage& canvas, const QRect& imageRect, int opacity,
                    const QRect& faceRect, bool printing, BlendedSection& out);

// Draws the image onto a device through `painter`: on screen the composed
// section is set at its place plus `offset`; when printing only the pixels the
// mask keeps are drawn (the painter's clip is restored afterwards).
bool BlendOntoDevice(CRasterImage& image, QPainter& painter, const QImage& canvas,
                     const QRect& imageRect, int opacity, const QRect& faceRect,
                     const QPoint& offset, bool printing);

// Draws the image at `imageRect` into a 24-bit buffer (BGR, rows top-down with
// `stride` bytes), clipped to the buffer. The picture options are not used
// here: only the alpha channel, the opacity and a background palette index.
bool BlendIntoBuffer(CRasterImage& image, uint8_t* buffer, int width, int height, int stride,
                     const QRect& imageRect, int opacity);
// The same into a Format_BGR888 image.
bool BlendIntoBuffer(CRasterImage& image, QImage& buffer, const QRect& imageRect, int opacity);

// The whole image as a page device draws it (printer, PDF): its own pixels at
// their own size, ARGB32 with the alpha channel, the opacity and the hidden
// transparent colour applied by the same rules as ComposeSection, or RGB32
// when every pixel is opaque. Null when the image cannot draw.
QImage PageImage(const CRasterImage& image, int opacity);
// Whether PageImage would give the image's pixels unchanged and opaque.
bool DrawsOpaque(const CRasterImage& image, int opacity);
