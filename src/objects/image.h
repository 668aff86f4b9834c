#pragma once

#include "base_object.h"

// A raster picture on a face, or a face's background picture.
class CImage : public CBaseObject {
public:
    CImage() = default;

    int m_isBackground = 0; // set while the picture is a face's background
};
