#pragma once

#include <QByteArrayView>
#include <QRect>

class CDeviceContext;
class CRasterImage;

// Draws a picture on a page device (printer, PDF, print preview) into the
// device rectangle `target`, scaled by the device from the picture's own
// pixels. The image made for the device is kept in the render context's page
// image store, so every label showing the picture draws the same image. When
// the store keeps JPEG files and `jpegFile` holds the file the opaque pixels
// came from, a placeholder is drawn and the file recorded for the PDF step.
void DrawPictureOnPage(CDeviceContext& dc, const CRasterImage& image, QByteArrayView jpegFile,
                       const QRect& target, int opacity);

// The placeholder image drawn for JPEG file `index`: one pixel wide and
// kJpegPlaceholderHeight + index high, a colour no grey detection takes for grey.
inline constexpr int kJpegPlaceholderHeight = 7919;
