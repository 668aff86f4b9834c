#pragma once

#include "unit_conversion.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

struct AlbumData;

// Pictures as drawn on a page device (printer, PDF, preview), made once per
// job: every label that shows a picture draws the same QImage, so a PDF holds
// each picture once however many labels show it. Keyed by the picture's pixel
// store. With `keepJpegFiles`, a picture read from a JPEG file draws a small
// placeholder instead and its file goes to `jpegFiles` (placeholder i stands
// for file i), for the PDF step that puts the file's own bytes in its place.
struct PageImageStore {
    QHash<QPair<const void*, int>, QImage> images; // (pixel store, opacity)
    bool keepJpegFiles = false;
    QList<QByteArray> jpegFiles;
};

// What objects need to draw and hit-test besides the device context: the scale
// factors (the view's zoom on screen, the print scale when printing), the
// pixel/unit conversion of the face canvas (handle positions, pen widths and
// font sizes given in screen pixels), the placeholder expansion of the
// project's album data, and the selection animation step. It travels with each
// call instead of living in globals, so headless rendering, the view and
// printing can run side by side.
struct RenderContext {
    float viewZoom = 1.0f;
    float printScaleX = 1.0f;
    float printScaleY = 1.0f;
    UnitConversion canvas;
    // Replaces placeholders in a text at paint time; empty shows texts as stored.
    std::function<QString(const QString&)> expandPlaceholders;
    // The album behind that expansion, for text blocks that lay out the whole
    // track list themselves; null where texts show as stored. Opaque here.
    const AlbumData* album = nullptr;
    // Advanced by the view's animation timer; moves the selection frames' dashes.
    unsigned animationStep = 0;
    // Set while drawing pages (see PageImageStore); null elsewhere.
    PageImageStore* pageImages = nullptr;

    // The factor for x or y on a device that is printing or not.
    float ScaleX(bool printing) const { return printing ? printScaleX : viewZoom; }
    float ScaleY(bool printing) const { return printing ? printScaleY : viewZoom; }

    QString Expand(const QString& text) const {
        return expandPlaceholders ? expandPlaceholders(text) : text;
    }

    // A point in zoomed logical units to face canvas pixels (y flipped).
    QPoint ToCanvasPixels(QPoint zoomedLogical) const {
        return canvas.LogicalToDevice(zoomedLogical);
    }
};
