// Painting of a text block that holds the whole track list.
#include "text.h"

#include "platform/device_context.h"
#include "tracks/album_data.h"

#include <algorithm>

bool CText::DrawTrackList(CDeviceContext& dc, int left, int top, int right, int bottom) {
    const AlbumData* album = dc.Context().album;
    if (album == nullptr)
        return false;
    std::vector<ExpandedPiece> pieces = ExpandPlaceholderPieces(m_text, *album);
    if (std::none_of(pieces.begin(), pieces.end(),
                     [](const ExpandedPiece& piece) { return piece.trackList; }))
        return false;

    // A quarter turn lays the block out in the rectangle's height.
    const int turn = (m_rotation % 360 + 360) % 360;
    const bool quarter = turn % 180 == 90;
    TrackListLayoutInput input;
    input.lines = TrackBlockLines(pieces, *album);
    input.font = m_font;
    input.width = std::abs(static_cast<double>(quarter ? Height() : Width()));
    input.height = std::abs(static_cast<double>(quarter ? Width() : Height()));
    input.alignment = m_alignment;
    const TrackListLayout& layout = m_trackListLayout.Get(std::move(input));

    const QRectF box = dc.DeviceRect(left, top, right, bottom).normalized();
    const QColor colour = ToQColor(m_textColour);
    QPainter& painter = dc.Painter();
    if (turn == 0) {
        layout.Paint(painter, box, colour);
        return true;
    }
    // Turned counter-clockwise about the rectangle's centre, as other text.
    const QPointF centre = box.center();
    QRectF turned = box;
    if (quarter)
        turned = QRectF(0, 0, box.height(), box.width());
    turned.moveCenter(centre);
    painter.save();
    painter.translate(centre);
    painter.rotate(-static_cast<double>(turn));
    painter.translate(-centre);
    layout.Paint(painter, turned, colour);
    painter.restore();
    return true;
}
