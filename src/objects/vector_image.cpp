#include "vector_image.h"

#include "metafile/emf_recorder.h"

#include <QFile>

#include <cstring>

namespace {

// The natural size of a click with a metafile that has none, in pixels.
constexpr int kDefaultPixels = 100;

} // namespace

const ArchiveClass& CVectorImage::StaticClass() {
    static const ArchiveClass cls{"CVectorImage", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CVectorImage); }};
    return cls;
}

CVectorImage::CVectorImage(int left, int top, int right, int bottom) {
    SetX(left);
    SetY(top);
    SetWidth(right - left);
    SetHeight(bottom - top);
}

CVectorImage::CVectorImage(int x, int y) {
    SetX(x);
    SetY(y);
    SetWidth(100);
    SetHeight(100);
}

bool CVectorImage::LoadMetafile(const QString& path, const UnitConversion& units, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A metafile claiming more than the file holds is refused by the reader,
    // which never allocates beyond the file's bytes.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return LoadMetafileBytes(bytes, units, error);
}

bool CVectorImage::LoadMetafileBytes(QByteArrayView bytes, const UnitConversion& units,
                                     QString* error) {
    if (LooksLikeSvg(bytes))
        return LoadSvgBytes(bytes, units, error);
    PlaceableHeader placeable;
    QByteArray emf;
    QString message;
    if (!ReadMetafileFile(bytes, &placeable, &emf, &message)) {
        if (error)
            *error = message;
        return false;
    }
    return Take(placeable, std::move(emf), LooksLikeEnhancedMetafile(bytes), units);
}

bool CVectorImage::LooksLikeSvg(QByteArrayView bytes) {
    // XML text (after any byte order mark and white space) naming an svg element.
    const QByteArrayView head = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
    const QByteArrayView trimmed = head.trimmed();
    return (trimmed.startsWith("<") || trimmed.startsWith("\xEF\xBB\xBF<")) &&
           head.indexOf("<svg") >= 0;
}

bool CVectorImage::LoadSvgBytes(QByteArrayView svg, const UnitConversion& units, QString* error) {
    QByteArray emf;
    QString message;
    if (!RecordSvgAsMetafile(svg, &emf, &message)) {
        if (error)
            *error = message;
        return false;
    }
    return SetEnhancedMetafile(emf, units, error);
}

bool CVectorImage::SetEnhancedMetafile(QByteArrayView emf, const UnitConversion& units,
                                       QString* error) {
    QByteArray stored;
    QString message;
    if (!ReadEnhancedMetafile(emf, &stored, nullptr, &message)) {
        if (error)
            *error = message;
        return false;
    }
    return Take({}, std::move(stored), true, units);
}

bool CVectorImage::Take(const PlaceableHeader& placeable, QByteArray emf, bool fromEnhanced,
                        const UnitConversion& units) {
    // Without a natural size the dragged rectangle stays; a click (an empty
    // rectangle) gets 100 x 100 pixels.
    const QSize dragged(std::abs(Width()), std::abs(Height()));
    m_placeable = placeable;
    m_emf = std::move(emf);
    m_framedByEnhancedHeader = fromEnhanced;
    m_cache = QImage();
    ApplyNaturalSize(units, dragged.width() > 0 && dragged.height() > 0
                                ? QSize()
                                : QSize(kDefaultPixels, kDefaultPixels));
    return true;
}

QSize CVectorImage::NaturalPixelSize(const UnitConversion& units) const {
    // Screen dots per inch of the conversion (96 by default).
    const long long dpi =
        (static_cast<long long>(units.pixels) * 2540 + units.units / 2) / std::max(1, units.units);
    if (m_placeable.Present()) {
        const long long w = static_cast<long long>(m_placeable.Right()) - m_placeable.Left();
        const long long h = static_cast<long long>(m_placeable.Bottom()) - m_placeable.Top();
        const int u = m_placeable.UnitsPerInch();
        // Integer division, as the size is in whole pixels.
        const QSize size =
            u != 0 ? QSize(int(dpi * w / u), int(h * dpi / u)) : QSize(int(w), int(h));
        return size.width() > 0 && size.height() > 0 ? size : QSize();
    }
    if (!m_framedByEnhancedHeader || m_emf.isEmpty())
        return {};
    const EmfHeader h = ParseEmfHeader(m_emf);
    if (h.frame.Width() > 0 && h.frame.Height() > 0 && h.frame.Width() < 1000000 &&
        h.frame.Height() < 1000000)
        return {units.UnitsToPixels(int(h.frame.Width() + 1)),
                units.UnitsToPixels(int(h.frame.Height() + 1))};
    if (h.bounds.Width() >= 0 && h.bounds.Height() >= 0 && h.bounds.Width() < 100000 &&
        h.bounds.Height() < 100000)
        return {int(h.bounds.Width() + 1), int(h.bounds.Height() + 1)};
    return {};
}

void CVectorImage::ApplyNaturalSize(const UnitConversion& units, QSize fallbackPixels) {
    QSize pixels = NaturalPixelSize(units);
    if (pixels.isEmpty())
        pixels = fallbackPixels;
    if (pixels.isEmpty())
        return;
    SetWidth(units.PixelsToUnits(pixels.width()));
    SetHeight(-units.PixelsToUnits(pixels.height()));
}

void CVectorImage::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteBytes(QByteArrayView(reinterpret_cast<const char*>(m_placeable.bytes.data()),
                                     qsizetype(m_placeable.bytes.size())));
        ar.WriteDword(quint32(m_emf.size()));
        ar.WriteSharedBytes(m_emf);
        return;
    }
    const QByteArrayView header = ar.ReadBytes(qint64(m_placeable.bytes.size()));
    std::memcpy(m_placeable.bytes.data(), header.data(), m_placeable.bytes.size());
    const quint32 size = ar.ReadDword();
    if (size > quint64(ar.Peek(qint64(size)).size()))
        ar.Fail(QStringLiteral("vector picture (CVectorImage) metafile of %1 bytes is cut short")
                    .arg(size));
    const QByteArrayView bytes = ar.ReadBytes(qint64(size));
    // A picture that holds no enhanced metafile costs only itself: it stays
    // empty and the rest of the project still opens.
    if (size != 0 && !LooksLikeEnhancedMetafile(bytes)) {
        ar.Note(QStringLiteral("a vector picture holds no enhanced metafile and is left empty"));
        m_emf.clear();
    } else {
        // Kept byte for byte; the player checks every record when it draws.
        m_emf = bytes.toByteArray();
    }
    m_framedByEnhancedHeader = !m_placeable.Present();
    m_keepAspectRatio = 1;
    m_cache = QImage();
}
