#include "emf_recorder.h"

#include "emf_records.h"
#include "emf_writer.h"
#include "metafile_record.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

// Coordinates are recorded in sixteenths of a device pixel, so curves and
// thin lines keep their precision in integer records.
constexpr int kSubPixels = 16;
// Bitmap patches are painted at 300 dots per inch.
constexpr double kPatchScale = 300.0 / 96.0;
// Larger patches are painted at a lower resolution.
constexpr int kMaxPatchSide = 4000;

uint32_t ColourRef(const QColor& c) {
    const QColor rgb = c.toRgb();
    return uint32_t(rgb.red()) | uint32_t(rgb.green()) << 8 | uint32_t(rgb.blue()) << 16;
}

bool IsPlainSolid(const QBrush& brush) {
    return brush.style() == Qt::SolidPattern && brush.color().alpha() == 255;
}

} // namespace

class EmfPaintEngine final : public QPaintEngine {
public:
    explicit EmfPaintEngine(QSize size) : QPaintEngine(AllFeatures), m_size(size) {}

    bool begin(QPaintDevice*) override {
        m_writer = std::make_unique<EmfWriter>();
        m_writer->OneU32(Emr::kSetMapMode, Emf::kMmAnisotropic);
        m_writer->TwoI32(Emr::kSetWindowExtEx, m_size.width() * kSubPixels,
                         m_size.height() * kSubPixels);
        m_writer->TwoI32(Emr::kSetViewportExtEx, m_size.width(), m_size.height());
        m_writer->OneU32(Emr::kSelectObject, Emf::kNullPen);
        m_writer->OneU32(Emr::kSetPolyFillMode, Emf::kWinding);
        return true;
    }

    bool end() override {
        const int w = std::max(1, m_size.width()), h = std::max(1, m_size.height());
        m_result =
            m_writer->Finish({0, 0, w - 1, h - 1}, {0, 0, w * 2540 / 96 - 1, h * 2540 / 96 - 1}, 2);
        m_writer.reset();
        return true;
    }

    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled))
            m_clipDirty = true;
    }

    void drawPath(const QPainterPath& path) override {
        const QPaintEngineState& s = *state;
        const QTransform t = s.transform();
        if (s.brush().style() != Qt::NoBrush) {
            QPainterPath fill = t.map(path);
            Fill(fill, s.brush(), path.fillRule() == Qt::WindingFill);
        }
        if (s.pen().style() != Qt::NoPen) {
            QPainterPathStroker stroker(s.pen());
            if (s.pen().isCosmetic() || s.pen().widthF() == 0) {
                // One device pixel whatever the transform.
                stroker.setWidth(std::max(1.0, s.pen().widthF()));
                Fill(stroker.createStroke(t.map(path)), s.pen().brush(), true);
            } else {
                Fill(t.map(stroker.createStroke(path)), s.pen().brush(), true);
            }
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        if (count <= 0)
            return;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        if (mode == PolylineMode) {
            // A polyline is not filled.
            QPainterPathStroker stroker(state->pen());
            if (state->pen().style() != Qt::NoPen)
                Fill(state->transform().map(stroker.createStroke(path)), state->pen().brush(),
                     true);
            return;
        }
        drawPath(path);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags) override {
        QPainterPath area;
        area.addRect(r);
        const QTransform t = state->transform();
        Patch(t.map(area), [&](QPainter& p) {
            p.setTransform(t, true);
            p.drawImage(r, image, sr);
        });
    }

private:
    // Fills a device-space path with a brush: path records with a solid
    // brush when the brush is plain, a bitmap patch otherwise.
    void Fill(const QPainterPath& device, const QBrush& brush, bool winding) {
        if (device.isEmpty() || brush.style() == Qt::NoBrush)
            return;
        if (!IsPlainSolid(brush) || state->opacity() < 1.0) {
            const QTransform t = state->transform();
            Patch(device, [&](QPainter& p) {
                // Brushes are given in the painter's coordinates.
                p.setOpacity(state->opacity());
                QBrush b = brush;
                b.setTransform(b.transform() * t);
                p.fillPath(device, b);
            });
            return;
        }
        ApplyClip();
        m_writer->Begin(Emr::kCreateBrushIndirect);
        m_writer->PutU32(1);
        m_writer->PutU32(Emf::kBsSolid);
        m_writer->PutU32(ColourRef(brush.color()));
        m_writer->PutU32(0);
        m_writer->End();
        m_writer->OneU32(Emr::kSelectObject, 1);
        m_writer->OneU32(Emr::kSetPolyFillMode, winding ? Emf::kWinding : Emf::kAlternate);
        m_writer->Simple(Emr::kBeginPath);
        WritePath(device);
        m_writer->Simple(Emr::kEndPath);
        m_writer->Begin(Emr::kFillPath);
        m_writer->PutRect(0, 0, -1, -1);
        m_writer->End();
        m_writer->OneU32(Emr::kSelectObject, Emf::kWhiteBrush);
        m_writer->OneU32(Emr::kDeleteObject, 1);
    }

    QPoint Sub(QPointF p) const {
        return {int(std::lround(std::clamp(p.x() * kSubPixels, -2e9, 2e9))),
                int(std::lround(std::clamp(p.y() * kSubPixels, -2e9, 2e9)))};
    }

    void WritePath(const QPainterPath& path) {
        std::vector<QPoint> run;
        bool curves = false;
        const auto flush = [&] {
            if (run.empty())
                return;
            if (curves)
                m_writer->Poly(Emr::kPolyBezierTo, Emr::kPolyBezierTo16, run);
            else
                m_writer->Poly(Emr::kPolylineTo, Emr::kPolylineTo16, run);
            run.clear();
        };
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            switch (e.type) {
            case QPainterPath::MoveToElement: {
                flush();
                const QPoint p = Sub(e);
                m_writer->TwoI32(Emr::kMoveToEx, p.x(), p.y());
                break;
            }
            case QPainterPath::LineToElement:
                if (curves)
                    flush();
                curves = false;
                run.push_back(Sub(e));
                break;
            case QPainterPath::CurveToElement:
                if (!curves)
                    flush();
                curves = true;
                run.push_back(Sub(e));
                break;
            case QPainterPath::CurveToDataElement:
                run.push_back(Sub(e));
                break;
            }
        }
        flush();
    }

    // Clipping goes over as a clip path in device space.
    void ApplyClip() {
        if (!m_clipDirty)
            return;
        m_clipDirty = false;
        m_writer->Begin(Emr::kExtSelectClipRgn);
        m_writer->PutU32(0);
        m_writer->PutU32(Emf::kRgnCopy);
        m_writer->End();
        if (!painter() || !painter()->hasClipping())
            return;
        const QPainterPath clip = painter()->transform().map(painter()->clipPath());
        m_writer->Simple(Emr::kBeginPath);
        WritePath(clip);
        m_writer->Simple(Emr::kEndPath);
        m_writer->OneU32(Emr::kSelectClipPath, Emf::kRgnCopy);
    }

    // Paints `paint` (in device coordinates) into an ARGB bitmap covering
    // `device` at 300 dots per inch and records it with its alpha.
    template <class Paint> void Patch(const QPainterPath& device, Paint&& paint) {
        QRectF bounds = device.boundingRect().intersected(QRectF(QPointF(0, 0), m_size));
        if (painter() && painter()->hasClipping())
            bounds &= painter()->transform().map(painter()->clipPath()).boundingRect();
        if (bounds.isEmpty())
            return;
        const QRect box = bounds.toAlignedRect();
        double scale = kPatchScale;
        scale = std::min(scale, kMaxPatchSide / double(std::max(box.width(), box.height())));
        const QSize size(std::max(1, int(std::ceil(box.width() * scale))),
                         std::max(1, int(std::ceil(box.height() * scale))));
        QImage patch(size, QImage::Format_ARGB32_Premultiplied);
        if (patch.isNull())
            return;
        patch.fill(Qt::transparent);
        {
            QPainter p(&patch);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.scale(scale, scale);
            p.translate(-box.topLeft());
            if (painter() && painter()->hasClipping())
                p.setClipPath(painter()->transform().map(painter()->clipPath()));
            paint(p);
        }
        ApplyClip();
        WriteAlphaBlend(box, patch);
    }

    void WriteAlphaBlend(const QRect& box, const QImage& patch) {
        // A bottom-up 32-bit DIB of premultiplied BGRA pixels.
        const int w = patch.width(), h = patch.height();
        QByteArray bmi;
        for (uint32_t v : {40u, uint32_t(w), uint32_t(h)})
            PutU32(bmi, v);
        PutU16(bmi, 1);
        PutU16(bmi, 32);
        for (int i = 0; i < 6; ++i)
            PutU32(bmi, 0);
        QByteArray bits;
        bits.reserve(qsizetype(w) * h * 4);
        for (int y = h - 1; y >= 0; --y)
            bits.append(reinterpret_cast<const char*>(patch.constScanLine(y)), qsizetype(w) * 4);
        const QPoint at = Sub(box.topLeft()),
                     size(box.width() * kSubPixels, box.height() * kSubPixels);
        constexpr uint32_t kFixed = 108;
        m_writer->Begin(Emr::kAlphaBlend);
        m_writer->PutRect(0, 0, -1, -1);
        m_writer->PutRect(at.x(), at.y(), size.x(), size.y());           // dest x, y, cx, cy
        m_writer->PutU32(uint32_t(Emf::kAcSrcAlpha) << 24 | 255u << 16); // blend function
        m_writer->PutI32(0);                                             // xSrc
        m_writer->PutI32(0);                                             // ySrc
        for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
            m_writer->PutF32(f);
        m_writer->PutU32(0);                             // crBkColorSrc
        m_writer->PutU32(Emf::kDibRgbColors);            // iUsageSrc
        m_writer->PutU32(kFixed);                        // offBmiSrc
        m_writer->PutU32(uint32_t(bmi.size()));          // cbBmiSrc
        m_writer->PutU32(kFixed + uint32_t(bmi.size())); // offBitsSrc
        m_writer->PutU32(uint32_t(bits.size()));         // cbBitsSrc
        m_writer->PutI32(w);                             // cxSrc
        m_writer->PutI32(h);                             // cySrc
        m_writer->PutBytes(bmi);
        m_writer->PutBytes(bits);
        m_writer->End();
    }

    QSize m_size;
    std::unique_ptr<EmfWriter> m_writer;
    QByteArray m_result;
    bool m_clipDirty = true;

    friend class EmfRecordingDevice;
};

EmfRecordingDevice::EmfRecordingDevice(QSize size)
    : m_size(size), m_engine(std::make_unique<EmfPaintEngine>(size)) {
}

EmfRecordingDevice::~EmfRecordingDevice() = default;

QPaintEngine* EmfRecordingDevice::paintEngine() const {
    return m_engine.get();
}

QByteArray EmfRecordingDevice::Metafile() const {
    return m_engine->m_result;
}

int EmfRecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return m_size.width() * 254 / 960;
    case PdmHeightMM:
        return m_size.height() * 254 / 960;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return 0;
    }
}

QSizeF SvgNaturalSize(QByteArrayView svg) {
    QXmlStreamReader xml(svg.toByteArray());
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("svg"))
        return {};
    const QXmlStreamAttributes attributes = xml.attributes();
    // CSS units: 96 pixels to the inch.
    const auto length = [](QStringView text) -> double {
        static const struct {
            const char* unit;
            double pixels;
        } kUnits[] = {{"px", 1.0},         {"in", 96.0},        {"cm", 96.0 / 2.54},
                      {"mm", 96.0 / 25.4}, {"pt", 96.0 / 72.0}, {"pc", 16.0}};
        text = text.trimmed();
        double scale = 1.0;
        for (const auto& u : kUnits) {
            if (text.endsWith(QLatin1String(u.unit), Qt::CaseInsensitive)) {
                text.chop(2);
                scale = u.pixels;
                break;
            }
        }
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        return ok && value > 0 && std::isfinite(value) ? value * scale : 0.0;
    };
    double width = length(attributes.value(QLatin1String("width")));
    double height = length(attributes.value(QLatin1String("height")));
    // A missing (or relative) size comes from the view box, in pixels, in
    // the view box's proportions when one side is given.
    const QList<QStringView> box =
        attributes.value(QLatin1String("viewBox"))
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    const double boxWidth = box.size() == 4 ? box[2].toDouble() : 0.0;
    const double boxHeight = box.size() == 4 ? box[3].toDouble() : 0.0;
    if (boxWidth > 0 && boxHeight > 0) {
        if (width <= 0 && height <= 0) {
            width = boxWidth;
            height = boxHeight;
        } else if (width <= 0) {
            width = height * boxWidth / boxHeight;
        } else if (height <= 0) {
            height = width * boxHeight / boxWidth;
        }
    }
    return width > 0 && height > 0 ? QSizeF(width, height) : QSizeF();
}

bool RecordSvgAsMetafile(QByteArrayView svg, QByteArray* emf, QString* error) {
    QSvgRenderer renderer(svg.toByteArray());
    if (!renderer.isValid()) {
        if (error)
            *error = QStringLiteral("not an SVG drawing Lumvane can read");
        return false;
    }
    // The SVG renderer's own default size takes 90 pixels to the inch for
    // absolute units, which would shrink every drawing to 15/16 of its size.
    const QSizeF natural = SvgNaturalSize(svg);
    QSize size = natural.isValid() ? QSize(int(std::min(std::lround(natural.width()), 1L << 30)),
                                           int(std::min(std::lround(natural.height()), 1L << 30)))
                                   : renderer.defaultSize();
    if (size.isEmpty())
        size = QSize(100, 100);
    // Drawings beyond 20,000 pixels on a side are recorded at that size.
    const double shrink = std::min(1.0, 20000.0 / std::max(size.width(), size.height()));
    size = QSize(std::max(1, int(size.width() * shrink)), std::max(1, int(size.height() * shrink)));
    EmfRecordingDevice device(size);
    {
        QPainter painter(&device);
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
    }
    *emf = device.Metafile();
    return !emf->isEmpty();
}
