#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>

#include <memory>

class EmfPaintEngine;

// A paint device that records what is painted on it as an enhanced
// metafile: filled areas become path records with solid brushes, lines
// become their outlines, text its glyph outlines. What enhanced metafile
// records cannot express (gradients, patterns, transparency, pictures under
// a turned transform) is painted as a bitmap patch at 300 dots per inch with
// its alpha. The device is `size` pixels at 96 dots per inch.
class EmfRecordingDevice : public QPaintDevice {
public:
    explicit EmfRecordingDevice(QSize size);
    ~EmfRecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    // The enhanced metafile of everything painted so far (after the painter
    // has ended).
    QByteArray Metafile() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<EmfPaintEngine> m_engine;
};

// Reads an SVG drawing and records it into an enhanced metafile at its
// natural size; false with `error` set when Qt's SVG renderer cannot read it.
bool RecordSvgAsMetafile(QByteArrayView svg, QByteArray* emf, QString* error);
// The natural size of an SVG drawing in pixels at 96 to the inch (CSS
// units), from its root element's width, height and view box; invalid when
// it states none.
QSizeF SvgNaturalSize(QByteArrayView svg);
