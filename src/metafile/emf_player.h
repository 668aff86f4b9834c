#pragma once

#include <QByteArray>
#include <QRectF>

#include <cstdint>

class CDeviceContext;
class QPainter;

// What one playing of an enhanced metafile did.
struct EmfPlayReport {
    uint32_t played = 0;  // records drawn or applied
    uint32_t skipped = 0; // records of kinds the player does not draw, or damaged
    bool ok = false;      // false when the data is not an enhanced metafile
};

// Plays an enhanced metafile into `target` (coordinates of the painter's
// device, the painter's own transform ignored): the picture's frame is
// stretched to fill the rectangle. Drawing is clipped to the rectangle and
// anti-aliased. Every record is checked against its size before its fields
// are used; records of unknown kinds and damaged records are skipped. The
// painter's state is restored afterwards.
EmfPlayReport PlayEnhMetaFile(QPainter& painter, QByteArrayView emf, const QRectF& target);

// The same through a device context, into device pixels.
EmfPlayReport PlayEnhMetaFile(CDeviceContext& dc, QByteArrayView emf, const QRectF& target);
