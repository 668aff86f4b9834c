#pragma once

#include "base_object.h"

#include "metafile/metafile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

// A vector picture on a face: a Windows metafile (or an enhanced metafile,
// or an SVG drawing recorded as one) kept as enhanced metafile bytes with the
// source's placeable header, and played into the object's rectangle at any
// zoom and on the printer. The bytes are shared (implicitly) with every copy
// made from the same record, so undo snapshots cost no copies.
//
// On screen the picture is played once per size into a cached image, so a
// repaint at the same zoom only copies pixels; printing plays it directly.
class CVectorImage : public CBaseObject {
public:
    // For loading: no metafile yet. Keep-aspect is on, also for pictures
    // read from any archive (the record does not hold it).
    CVectorImage() = default;
    // The picture tool: the dragged rectangle, replaced by the natural size
    // when the metafile has one.
    CVectorImage(int left, int top, int right, int bottom);
    // A drop at a point: 100 x 100 until loading sets the natural size.
    CVectorImage(int x, int y);

    // Reads a .wmf, .emf or .svg file into the picture and, on success, gives the
    // object its natural size in units of `units`. A file that cannot be
    // opened or read as a metafile yields false (with `error` set) and
    // leaves the object as it was.
    bool LoadMetafile(const QString& path, const UnitConversion& units = {},
                      QString* error = nullptr);
    // The same from bytes already in memory (clipboard data, a gallery item).
    bool LoadMetafileBytes(QByteArrayView bytes, const UnitConversion& units = {},
                           QString* error = nullptr);
    // An SVG drawing, recorded into an enhanced metafile at its natural size.
    bool LoadSvgBytes(QByteArrayView svg, const UnitConversion& units = {},
                      QString* error = nullptr);
    static bool LooksLikeSvg(QByteArrayView bytes);
    // Takes an enhanced metafile made elsewhere (an SVG recording) with no
    // placeable header; false when the bytes are not one.
    bool SetEnhancedMetafile(QByteArrayView emf, const UnitConversion& units = {},
                             QString* error = nullptr);

    bool HasMetafile() const { return !m_emf.isEmpty(); }
    const PlaceableHeader& Placeable() const { return m_placeable; }
    const QByteArray& Metafile() const { return m_emf; }
    // The natural size in pixels of `units` (screen pixels at zoom 1.0), or
    // an empty size when the metafile has none (no placeable header and no
    // frame in its enhanced header).
    QSize NaturalPixelSize(const UnitConversion& units) const;

    void Draw(CDeviceContext& dc, int dx, int dy) override;
    bool HitTest(int x, int y, float zoom) const override;

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override;

    int m_keepAspectRatio = 1; // resizing keeps the picture's proportions
    bool KeepsAspectRatio() const override { return m_keepAspectRatio != 0; }

private:
    bool Take(const PlaceableHeader& placeable, QByteArray emf, bool fromEnhanced,
              const UnitConversion& units);
    void ApplyNaturalSize(const UnitConversion& units, QSize fallbackPixels);

    PlaceableHeader m_placeable;
    QByteArray m_emf;
    bool m_framedByEnhancedHeader = false; // the size comes from the EMF frame
    QImage m_cache;                        // the picture played at the size last drawn on screen
};
