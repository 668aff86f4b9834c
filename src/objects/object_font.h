#pragma once

#include "platform/font_mapper.h"
#include "platform/logfont.h"

class CDeviceContext;

// Makes the font of an object's record at `height` logical units of `dc`. When
// the record cannot give a font, the record itself becomes Arial (character
// set 1, normal weight, its own height kept) and the font is made at the
// logical size of `fallbackPixels` pixels of the face canvas.
DeviceFont CreateObjectFont(CDeviceContext& dc, LOGFONTA& record, int height, int fallbackPixels);
