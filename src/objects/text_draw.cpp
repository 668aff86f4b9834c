// Painting and hit testing of text blocks.
#include "object_font.h"
#include "text.h"

#include "platform/device_context.h"
#include "platform/region.h"

DeviceFont CreateObjectFont(CDeviceContext& dc, LOGFONTA& record, int height, int fallbackPixels) {
    LOGFONTA scaled = record;
    scaled.lfHeight = height;
    if (std::optional<DeviceFont> font = dc.CreateFont(scaled))
        return *font;
    const int ownHeight = record.lfHeight;
    record = LOGFONTA{};
    record.SetFaceName(QStringLiteral("Arial"));
    record.lfCharSet = kDefaultCharset;
    record.lfWeight = kFwNormal;
    record.lfHeight = ownHeight;
    scaled = record;
    scaled.lfHeight = dc.Context().canvas.PixelsToUnits(fallbackPixels);
    if (std::optional<DeviceFont> font = dc.CreateFont(scaled))
        return *font;
    return dc.CurrentFont();
}

unsigned CText::DrawFlags() const {
    // Alignment values other than left, centre and right are taken as left.
    const unsigned alignment = m_alignment == kCentre  ? kDtCenter
                               : m_alignment == kRight ? kDtRight
                                                       : kDtLeft;
    return alignment | kDtWordBreak | kDtExpandTabs | kDtNoPrefix | kDtEditControl;
}

void CText::Draw(CDeviceContext& dc, int dx, int dy) {
    const RenderContext& context = dc.Context();
    const bool printing = dc.IsPrinting();
    const float fx = context.ScaleX(printing), fy = context.ScaleY(printing);
    // Placeholders are expanded for this paint only; the stored text keeps them.
    const QString text = context.Expand(m_text);

    const int left = AddClamped(ScaleCoordinate(m_x, fx), dx);
    const int top = AddClamped(ScaleCoordinate(m_y, fy), dy);
    const int right = AddClamped(ScaleCoordinate(AddClamped(m_x, m_width), fx), dx);
    const int bottom = AddClamped(ScaleCoordinate(AddClamped(m_y, m_height), fy), dy);

    const BackgroundMode oldMode = dc.SetBkMode(BackgroundMode::Transparent);
    const ColourRef oldColour = dc.SetTextColor(m_textColour);
    const DeviceFont oldFont =
        dc.SelectFont(CreateObjectFont(dc, m_font, ScaleCoordinate(m_font.lfHeight, fy), 10));

    if (DrawTrackList(dc, left, top, right, bottom)) {
        // Laid out as a block that fits its rectangle (track_list_layout.h).
    } else if (m_rotation % 360 == 0) {
        dc.DrawText(text, left, top, right, bottom, DrawFlags());
    } else {
        // Turned counter-clockwise by the stored angle about the rectangle's
        // centre; a quarter turn wraps at the rectangle's height instead.
        const QRect box = dc.DeviceRect(left, top, right, bottom);
        const QPointF centre = QRectF(box).center();
        const bool quarter = (m_rotation % 180 + 180) % 180 == 90;
        const long long halfW = (quarter ? (static_cast<long long>(bottom) - top)
                                         : (static_cast<long long>(right) - left)) /
                                2;
        const long long halfH = (quarter ? (static_cast<long long>(right) - left)
                                         : (static_cast<long long>(bottom) - top)) /
                                2;
        const long long cx = (static_cast<long long>(left) + right) / 2;
        const long long cy = (static_cast<long long>(top) + bottom) / 2;
        QPainter& painter = dc.Painter();
        painter.save();
        painter.translate(centre);
        painter.rotate(-static_cast<double>(m_rotation % 360));
        painter.translate(-centre);
        dc.DrawText(text, AddClamped(cx, -std::abs(halfW)), AddClamped(cy, std::abs(halfH)),
                    AddClamped(cx, std::abs(halfW)), AddClamped(cy, -std::abs(halfH)), DrawFlags());
        painter.restore();
    }

    dc.SelectFont(oldFont);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
}

bool CText::HitTest(int x, int y, float zoom) const {
    return CRegion::Rectangle(Zoomed(m_x, zoom), Zoomed(m_y, zoom),
                              Zoomed(AddClamped(m_x, m_width), zoom),
                              Zoomed(AddClamped(m_y, m_height), zoom))
        .Contains({x, y});
}
