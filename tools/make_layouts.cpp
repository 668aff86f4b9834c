// Writes the layouts the program ships with: twelve per face kind, each a
// ".lay" file and its ".jpg" thumbnail, made by the program's own layout
// export. Run through the "layouts" target:
//   make_layouts DATA_FOLDER   (writes DATA_FOLDER/layouts/<kind>/<Name>.lay + .jpg)

#include "document/discwright_doc.h"
#include "document/face.h"
#include "document/layout_file.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Colours as stored: 0x00BBGGRR.
constexpr quint32 Rgb(int r, int g, int b) {
    return quint32(r) | quint32(g) << 8 | quint32(b) << 16;
}

struct Theme {
    const char* name;
    quint32 base;   // the large shapes
    quint32 accent; // small shapes and lines
    quint32 ink;    // text on the base colour
    quint32 soft;   // a light tint for panels
    const char* font;
};

const Theme kThemes[] = {
    {"Sunset", Rgb(232, 93, 4), Rgb(250, 200, 60), Rgb(255, 255, 255), Rgb(255, 236, 214),
     "DejaVu Sans"},
    {"Ocean", Rgb(2, 62, 138), Rgb(0, 180, 216), Rgb(255, 255, 255), Rgb(202, 240, 248),
     "Liberation Sans"},
    {"Forest", Rgb(45, 106, 79), Rgb(149, 213, 178), Rgb(255, 255, 255), Rgb(216, 243, 220),
     "DejaVu Serif"},
    {"Midnight", Rgb(20, 20, 40), Rgb(200, 170, 90), Rgb(240, 230, 200), Rgb(230, 230, 240),
     "Liberation Serif"},
    {"Berry", Rgb(131, 56, 236), Rgb(255, 0, 110), Rgb(255, 255, 255), Rgb(240, 225, 255),
     "URW Gothic"},
    {"Slate", Rgb(52, 73, 94), Rgb(231, 76, 60), Rgb(255, 255, 255), Rgb(236, 240, 241),
     "DejaVu Sans Condensed"},
};

enum Style { kBand, kFrame, kBubbles, kDiamond };
const char* const kStyleNames[] = {"Band", "Frame", "Bubbles", "Diamond"};

// Faces measure w by h hundredths of a millimetre; y runs downward from 0 to -h.
void AddShape(Face& face, int l, int t, int r, int b, int kind, quint32 fill, quint32 line,
              int lineWidth = 0) {
    auto shape = std::make_unique<CShape>(l, -t, r, -b, kind, fill, line);
    shape->m_lineWidth = lineWidth;
    if (kind == CShape::kRoundRect) {
        shape->m_radiusX = 600;
        shape->m_radiusY = 600;
    }
    face.AppendObject(std::move(shape));
}

void AddText(Face& face, int l, int t, int r, int b, const QString& text, int height,
             quint32 colour, const Theme& theme, bool bold, int alignment = CText::kCentre,
             int rotation = 0) {
    auto object = std::make_unique<CText>(l, -t, r, -b, colour, text, UnitConversion{});
    object->m_font.SetFaceName(QString::fromLatin1(theme.font));
    object->m_font.lfHeight = height;
    object->m_font.lfWeight = bold ? 700 : 400;
    object->m_alignment = alignment;
    object->m_rotation = rotation;
    if (rotation != 0)
        object->m_font.lfEscapement = rotation * 10;
    face.AppendObject(std::move(object));
}

void AddCircleText(Face& face, const QString& text, double radius, double angle, int height,
                   quint32 colour, const Theme& theme, int inverse) {
    auto object =
        std::make_unique<CCirText>(QPoint(face.Width() / 2, -face.Height() / 2), radius, angle,
                                   colour, text, 1, inverse, UnitConversion{}, 1.0f);
    object->m_font.SetFaceName(QString::fromLatin1(theme.font));
    object->m_font.lfHeight = height;
    object->m_font.lfWeight = 700;
    object->PlaceOnCircle(radius, angle, 1.0f);
    face.AppendObject(std::move(object));
}

// The decoration of a rectangular area (l..r, t..b) in one style.
void Decorate(Face& face, Style style, const Theme& theme, int l, int t, int r, int b) {
    const int w = r - l, h = b - t;
    switch (style) {
    case kBand:
        AddShape(face, l, t + h * 30 / 100, r, t + h * 62 / 100, CShape::kRectangle, theme.base,
                 theme.base);
        AddShape(face, l, t + h * 62 / 100, r, t + h * 64 / 100, CShape::kRectangle, theme.accent,
                 theme.accent);
        break;
    case kFrame:
        AddShape(face, l, t, r, b, CShape::kRectangle, theme.soft, theme.soft);
        AddShape(face, l + 500, t + 500, r - 500, b - 500, CShape::kRoundRect, theme.base,
                 theme.accent, 3);
        break;
    case kBubbles:
        AddShape(face, l, t, r, b, CShape::kRectangle, theme.soft, theme.soft);
        AddShape(face, l - w / 6, t - h / 6, l + w / 2, t + h / 2, CShape::kEllipse, theme.base,
                 theme.base);
        AddShape(face, l + w * 55 / 100, t + h * 8 / 100, l + w * 80 / 100, t + h * 33 / 100,
                 CShape::kEllipse, theme.accent, theme.accent);
        AddShape(face, l + w * 70 / 100, t + h * 60 / 100, l + w * 95 / 100, t + h * 85 / 100,
                 CShape::kEllipse, theme.base, theme.accent, 2);
        break;
    case kDiamond:
        AddShape(face, l, t, r, b, CShape::kRectangle, theme.base, theme.base);
        AddShape(face, l + w / 8, t + h / 8, r - w / 8, b - h / 8, CShape::kDiamond, theme.soft,
                 theme.accent, 2);
        break;
    }
}

// Text colour over the middle of a decorated area.
quint32 MiddleInk(Style style, const Theme& theme) {
    return style == kBand || style == kFrame ? theme.ink : theme.base;
}

void MakeDisc(Face& face, Style style, const Theme& theme) {
    const int w = face.Width(), h = face.Height();
    Decorate(face, style, theme, 0, 0, w, h);
    const quint32 ink = MiddleInk(style, theme);
    AddText(face, 2500, 3000, w - 2500, 4400, QStringLiteral("<albumtitle>"), 800, ink, theme,
            true);
    AddText(face, 2500, 7900, w - 2500, 8900, QStringLiteral("<albumartist>"), 500, ink, theme,
            false);
    // Around the hole, and along the rim.
    AddCircleText(face, QStringLiteral("<albumartist>  *  <albumtime>"), 1500, 90, 300,
                  style == kDiamond ? theme.base : theme.accent, theme, 0);
    AddCircleText(face, QStringLiteral("<albumtitle>"), 5300, 270, 380,
                  style == kBubbles ? theme.base : theme.ink, theme, 1);
}

void MakeFront(Face& face, Style style, const Theme& theme) {
    const int w = face.Width(), h = face.Height();
    Decorate(face, style, theme, 0, 0, w, h);
    const quint32 ink = MiddleInk(style, theme);
    AddText(face, 800, h * 36 / 100, w - 800, h * 50 / 100, QStringLiteral("<albumtitle>"), 1000,
            ink, theme, true);
    AddText(face, 800, h * 50 / 100, w - 800, h * 58 / 100, QStringLiteral("<albumartist>"), 550,
            ink, theme, false);
    AddText(face, 800, h - 1400, w - 800, h - 700, QStringLiteral("<albumtime>"), 380,
            style == kDiamond ? theme.ink : theme.base, theme, false);
}

void MakeInside(Face& face, Style style, const Theme& theme) {
    const int w = face.Width(), h = face.Height();
    // A quiet panel for the list, decorated at the top.
    AddShape(face, 0, 0, w, h, CShape::kRectangle, theme.soft, theme.soft);
    Decorate(face, style, theme, 0, 0, w, h * 28 / 100);
    AddText(face, 600, h * 9 / 100, w - 600, h * 19 / 100, QStringLiteral("<albumtitle>"), 700,
            MiddleInk(style, theme) == theme.base ? theme.base : theme.ink, theme, true);
    // The list fits itself into the panel, whatever the number of tracks.
    AddText(face, 1200, h * 33 / 100, w - 1200, h - 800, QStringLiteral("<tracklist>"), 420,
            Rgb(30, 30, 30), theme, false, CText::kLeft);
}

void MakeBack(Face& face, Style style, const Theme& theme) {
    const int w = face.Width(), h = face.Height();
    constexpr int spine = 800; // the fold lines lie 8 mm inside each edge
    AddShape(face, 0, 0, w, h, CShape::kRectangle, theme.soft, theme.soft);
    AddShape(face, 0, 0, spine, h, CShape::kRectangle, theme.base, theme.base);
    AddShape(face, w - spine, 0, w, h, CShape::kRectangle, theme.base, theme.base);
    Decorate(face, style, theme, spine, 0, w - spine, h * 22 / 100);
    const quint32 ink = MiddleInk(style, theme) == theme.base ? theme.base : theme.ink;
    AddText(face, spine + 600, h * 6 / 100, w - spine - 600, h * 15 / 100,
            QStringLiteral("<albumartist>  -  <albumtitle>"), 550, ink, theme, true);
    AddText(face, spine + 1500, h * 27 / 100, w - spine - 1500, h - 600,
            QStringLiteral("<tracklist>"), 400, Rgb(30, 30, 30), theme, false, CText::kLeft);
    // The spines read upward on the left and downward on the right.
    AddText(face, 100, 600, spine - 100, h - 600, QStringLiteral("<albumartist>  -  <albumtitle>"),
            420, theme.ink, theme, true, CText::kCentre, 90);
    AddText(face, w - spine + 100, 600, w - 100, h - 600,
            QStringLiteral("<albumartist>  -  <albumtitle>"), 420, theme.ink, theme, true,
            CText::kCentre, 270);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_layouts DATA_FOLDER\n");
        return 2;
    }
    const QString data = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    // Layout folders lie under the program folder, which LUMVANE_HOME names.
    qputenv("LUMVANE_HOME", data.toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString stocks = data + QStringLiteral("/label stock/");
    DocumentSettings settings;
    settings.discStockPath = stocks + QStringLiteral("disc/plain paper(A4).ini");
    settings.frontStockPath = stocks + QStringLiteral("front inside/Plain Paper (A4).ini");
    settings.backStockPath = stocks + QStringLiteral("back/Plain Paper(A4).ini");
    CDiscwrightDoc doc(settings);
    doc.OnNewDocument();
    // Twelve sample tracks, so the thumbnails show where the track list goes.
    for (int i = 1; i <= 12; ++i)
        doc.Album().tracks.push_back({QString(), QStringLiteral("Track %1").arg(i),
                                      QStringLiteral("3:%1").arg(i * 4, 2, 10, QLatin1Char('0'))});

    void (*const makers[])(Face&, Style, const Theme&) = {MakeDisc, MakeFront, MakeInside,
                                                          MakeBack};
    int written = 0;
    for (int faceId = 0; faceId < kFaceCount; ++faceId) {
        for (int i = 0; i < 12; ++i) {
            const Theme& theme = kThemes[i % 6];
            const auto style = Style((i + i / 6 + faceId) % 4);
            Face& face = doc.GetFace(faceId);
            face.Clear();
            makers[faceId](face, style, theme);
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(theme.name),
                                                             QLatin1String(kStyleNames[style]));
            QString error;
            if (!ExportLayoutThumbnail(doc, faceId, name) ||
                !ExportLayout(doc, faceId, name, &error)) {
                std::fprintf(stderr, "make_layouts: %s: %s\n", qPrintable(name), qPrintable(error));
                return 1;
            }
            ++written;
        }
    }
    std::printf("make_layouts: %d layouts in %s/layouts\n", written, qPrintable(data));
    return 0;
}
