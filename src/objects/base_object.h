#pragma once

// The common base of everything placed on a face: position and size in the
// face's coordinates (hundredths of a millimetre, y up, so height is negative),
// the editor's flags, and the rectangle saved at the last draw for mouse tracking.
// Objects are owned by their face and deleted through the virtual destructor.
class CBaseObject {
public:
    CBaseObject() = default;
    virtual ~CBaseObject() = default;

    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;

    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0; // negative: the bottom edge is m_y + m_height
    int m_selected = 0;
    int m_fromLayout = 0;
    int m_locked = 0;
    int m_savedX = 0;
    int m_savedY = 0;
    int m_savedWidth = 0;
    int m_savedHeight = 0;
};
