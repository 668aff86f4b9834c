#pragma once

// The enhanced metafile player's state: the device context of the playing
// (mapping, world transform, selected pen, brush and font, colours, modes,
// clip, current position), its save stack and the object table. Geometry is
// mapped to the target's pixels as each figure is drawn and drawn without a
// painter transform, so pens and hatches behave as on a device.
#include "emf_player.h"
#include "metafile.h"
#include "metafile_record.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

// A COLORREF (0x00BBGGRR) as a colour.
inline QColor EmfColour(uint32_t ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

inline bool AllFinite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

struct EmfPen {
    bool null = false;
    bool cosmetic = true; // one device pixel wide whatever the mapping
    double width = 0;     // logical units
    QColor colour = Qt::black;
    Qt::PenStyle style = Qt::SolidLine;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;
};

struct EmfBrush {
    bool null = false;
    QColor colour = Qt::white;
    Qt::BrushStyle style = Qt::SolidPattern; // or a hatch pattern
    QImage pattern;                          // for pattern brushes
};

struct EmfFont {
    int32_t height = 0; // logical units; negative: em height, positive: cell height
    int32_t width = 0;
    int32_t escapement = 0; // tenths of a degree, counter-clockwise
    int32_t weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    uint8_t charSet = 1;
    QString face = QStringLiteral("Arial");
};

struct EmfObject {
    enum class Kind { None, Pen, Brush, Font, Palette } kind = Kind::None;
    EmfPen pen;
    EmfBrush brush;
    EmfFont font;
    std::vector<QRgb> palette;
};

struct EmfDcState {
    uint32_t mapMode = 1;
    QPointF windowOrg{0, 0}, windowExt{1, 1}, viewportOrg{0, 0}, viewportExt{1, 1};
    QTransform world;
    EmfPen pen;
    EmfBrush brush;
    EmfFont font;
    std::vector<QRgb> palette;
    QColor textColour = Qt::black, bkColour = Qt::white;
    bool bkOpaque = true;
    uint32_t textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    uint32_t rop2 = 13; // copy pen
    bool clockwise = false;
    double miterLimit = 10;
    std::optional<QPainterPath> clip; // target pixels; none: the whole target
    QPointF current;                  // logical
};

class EmfPlayer {
public:
    EmfPlayer(QPainter& painter, QByteArrayView emf, const QRectF& target);
    EmfPlayReport Play();

    // A record handler of one family; false when it refuses the record.
    using Handler = bool (EmfPlayer::*)(uint32_t type, const RecordView& r);
    static constexpr size_t kHandlerSlots = 123; // record types 1 to 122

private:
    bool Record(uint32_t type, const RecordView& r);
    static const std::array<Handler, kHandlerSlots>& Handlers();

    // Record families (emf_player_records.cpp, emf_player_figures.cpp,
    // emf_player_objects.cpp).
    bool IgnoredRecord(uint32_t type, const RecordView& r);
    bool MappingRecord(uint32_t type, const RecordView& r);
    bool StateRecord(uint32_t type, const RecordView& r);
    bool ObjectRecord(uint32_t type, const RecordView& r);
    bool FigureRecord(uint32_t type, const RecordView& r);
    bool PathRecord(uint32_t type, const RecordView& r);
    bool ClipRecord(uint32_t type, const RecordView& r);
    bool TextRecord(uint32_t type, const RecordView& r);
    bool BitmapRecord(uint32_t type, const RecordView& r);

    // Mapping.
    QTransform Page() const;
    QTransform Full() const { return m_s.world * Page() * m_playback; }
    void SetMapMode(uint32_t mode);
    void FixExtents();
    double DeviceScale() const; // target pixels per logical unit (geometric mean)

    // Figures in logical coordinates.
    void Figure(const QPainterPath& logical, bool fill, bool stroke);
    void FillDevicePath(const QPainterPath& device, const EmfBrush& brush);
    void StrokeDevicePath(const QPainterPath& device);
    bool ReadPoints(const RecordView& r, uint64_t offset, uint64_t count, bool small,
                    std::vector<QPointF>* out) const;
    void Poly(const RecordView& r, uint32_t type);
    void PolyPoly(const RecordView& r, bool polygon, bool small);
    void PolyDraw(const RecordView& r, bool small);
    void ArcFigure(const RecordView& r, uint32_t type);
    QPainterPath ArcPath(const QRectF& box, QPointF start, QPointF end, bool moveToStart,
                         QPointF* endPoint) const;
    void LineToDevice(QPointF logical);

    // Tools and modes.
    void ApplyComposition(bool forFill);
    void ApplyClip();
    void CombineClip(const QPainterPath& device, uint32_t mode);
    QPainterPath DeviceRect(int32_t l, int32_t t, int32_t r, int32_t b) const;
    bool RegionPath(const RecordView& r, uint64_t offset, uint64_t size, const QTransform& map,
                    QPainterPath* out) const;
    EmfObject* Object(uint32_t index);
    void SelectObject(uint32_t index);
    void CreatePen(const RecordView& r, bool extended);
    void CreateBrush(const RecordView& r);
    void CreatePatternBrush(const RecordView& r);
    void CreateFont(const RecordView& r);
    void CreatePalette(const RecordView& r);
    EmfObject& NewObject(uint32_t index);
    bool ValidIndex(uint32_t index) const { return index > 0 && index < m_objects.size(); }

    // Text and pictures (emf_player_text.cpp, emf_player_bitmap.cpp).
    void Text(const RecordView& r, bool wide);
    QString DecodeAnsi(QByteArrayView bytes) const;
    QImage Dib(const RecordView& r, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits,
               uint32_t cbBits, uint32_t usage) const;
    void Blit(const RecordView& r, uint32_t type);
    void DrawImage(const QImage& image, const QRectF& logicalDest, QRectF source, uint32_t rop,
                   bool alpha);
    void PatternBlit(const QRectF& logical, uint32_t rop);

    QPainter& m_painter;
    RecordView m_data;
    QRectF m_target;
    QTransform m_playback; // reference device pixels to target pixels
    QPainterPath m_targetClip;
    double m_refPerMmX = 96 / 25.4, m_refPerMmY = 96 / 25.4; // reference device
    QSizeF m_refMillimetres{254, 254};
    EmfDcState m_s;
    std::vector<EmfDcState> m_saved;
    std::vector<EmfObject> m_objects;
    bool m_inPath = false;
    QPainterPath m_path; // target pixels
    bool m_clipDirty = true;
};
