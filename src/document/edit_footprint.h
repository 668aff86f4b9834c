#pragma once

#include <QRect>

#include <vector>

// Where an object may paint, free of any zoom: its rectangle in face units
// and what reaches past it. Views turn it into canvas pixels at their zoom
// (PaintAreaBounds in face_renderer.h).
struct PaintArea {
    QRect units;              // x, y, width, height as the object stores them
    int outline = 0;          // device pixels of outline drawn about the rectangle
    bool wholeCanvas = false; // text may run anywhere past its rectangle
};

// What one edit changed: the face, and either the whole face or the areas
// its objects painted before and paint after. Undo and redo of the edit
// change exactly the same, so the history keeps it with the edit's record.
struct EditFootprint {
    int faceId = -1;   // -1: every face (album data, label stocks)
    bool whole = true; // the whole face; `areas` say nothing
    std::vector<PaintArea> areas;
};
