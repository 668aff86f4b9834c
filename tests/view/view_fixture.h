#pragma once

#include "document/discwright_doc.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "support/test_support.h"

#include <QRgb>

#include <memory>

// A document on the shipped plain-paper label stocks: a 120 mm disc with a
// 15 mm hole, 120 mm front and inside faces, and a 151 x 118 mm back insert.
inline DocumentSettings ShippedStocks() {
    return DefaultStocksIn(QStringLiteral(LUMVANE_SOURCE_DATA));
}

// Colours as stored (0x00BBGGRR) and as images read them back (0xRRGGBB).
inline constexpr quint32 kStoredRed = 0x0000FF;
inline constexpr quint32 kStoredBlue = 0xFF0000;
inline constexpr QRgb kRed = 0xFF0000;
inline constexpr QRgb kBlue = 0x0000FF;

// One object of every drawn kind, in the face's upper-left quarter (inside
// the disc's ring): a red rectangle, a blue ellipse, a text and a circular
// text around the face centre.
inline void AddEveryKind(Face& face) {
    face.AppendObject(std::make_unique<CShape>(2000, -2000, 3500, -3500, CShape::kRectangle,
                                               kStoredRed, 0x000000));
    face.AppendObject(std::make_unique<CShape>(3600, -2000, 5000, -3500, CShape::kEllipse,
                                               kStoredBlue, 0x000000));
    auto text = std::make_unique<CText>(2000, -3800, 5500, -5000, 0x000000,
                                        QStringLiteral("Side <albumtitle>"), UnitConversion{});
    {
        LOGFONTA font = text->Font();
        font.lfHeight = 400;
        text->SetFont(font);
    }
    face.AppendObject(std::move(text));
    face.AppendObject(std::make_unique<CCirText>(
        QPoint(face.Width() / 2, -face.Height() / 2), 4000.0, 0.0, 0x000000,
        QStringLiteral("around the centre"), 1, 0, UnitConversion{}, 1.0f));
}
