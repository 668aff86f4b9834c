#include "app/window/command_table.h"
#include "resources/icons.h"
#include "view/tools/drag_create_tool.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every command on the three tool bars, by the numbers the window uses, plus
// the image export command of the File menu.
const std::vector<int> kToolBarCommands = {
    // Main tool bar
    57600, 57601, 57603, 57607, 57643, 57644, 57635, 57634, 57637, 32838, 32836, 32811, 32810,
    32837, 1050, 1051, 32773, 32794, 32795, 32802, 32803, 32804, 32809, 57664,
    // Object tool bar
    32774, 32775, 32776, 32783, 32785, 32786, 32789, 32791, 32808,
    // Align tool bar
    32824, 32826, 32825, 32827, 32816, 32818, 32820, 32822, 32823, 32844, 32840, 32841, 32842,
    // Export cover as images
    32843};

const std::vector<int> kToolsWithCursors = {1, 2, 3, 4, 5, 7};
const std::vector<int> kDragModesWithCursors = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10};

// The tables above use the numbers the menus and resources know the
// commands and tools by.
QIcon IconOf(int id) {
    return CommandIcon(static_cast<CommandId>(id));
}

QCursor ToolCursorOf(int tool) {
    return ToolCursor(static_cast<ToolMode>(tool));
}

int VisiblePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

QImage IconImage(int id, int size, QIcon::Mode mode = QIcon::Normal) {
    return IconOf(id).pixmap(QSize(size, size), 1.0, mode).toImage();
}

// Writes every icon at 16 and 24 pixels and every cursor on a light and a dark
// backdrop to one picture, for looking at them all together.
void WriteContactSheet(const QString& path) {
    const int columns = 8, cellWidth = 120, iconRowHeight = 52, cursorRowHeight = 84;
    std::vector<QCursor> cursors;
    for (int tool : kToolsWithCursors) {
        cursors.push_back(ToolCursorOf(tool));
    }
    for (int mode : kDragModesWithCursors) {
        cursors.push_back(DragModeCursor(mode));
    }
    const int iconRows = (static_cast<int>(kToolBarCommands.size()) + columns - 1) / columns;
    const int cursorRows = (static_cast<int>(cursors.size()) + columns - 1) / columns;
    QImage sheet(columns * cellWidth, iconRows * iconRowHeight + cursorRows * cursorRowHeight,
                 QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    auto backdrop = [&](int x, int y, int height) {
        painter.fillRect(x, y, cellWidth / 2, height, QColor(0xf4, 0xf4, 0xf4));
        painter.fillRect(x + cellWidth / 2, y, cellWidth / 2 - 4, height, QColor(0x31, 0x36, 0x3b));
    };
    for (std::size_t i = 0; i < kToolBarCommands.size(); ++i) {
        const int x = static_cast<int>(i % columns) * cellWidth;
        const int y = static_cast<int>(i / columns) * iconRowHeight;
        backdrop(x, y, 36);
        for (int half : {0, cellWidth / 2}) {
            painter.drawPixmap(x + half + 6, y + 10, IconOf(kToolBarCommands[i]).pixmap(16));
            painter.drawPixmap(x + half + 28, y + 6, IconOf(kToolBarCommands[i]).pixmap(24));
        }
        painter.setPen(Qt::black);
        painter.drawText(x + 2, y + 48, QString::number(kToolBarCommands[i]));
    }
    for (std::size_t i = 0; i < cursors.size(); ++i) {
        const int x = static_cast<int>(i % columns) * cellWidth;
        const int y = iconRows * iconRowHeight + static_cast<int>(i / columns) * cursorRowHeight;
        backdrop(x, y, 68);
        const QPoint hot = cursors[i].hotSpot();
        for (int half : {0, cellWidth / 2}) {
            painter.drawPixmap(x + half + 14, y + 18, cursors[i].pixmap());
            painter.fillRect(x + half + 14 + hot.x(), y + 12, 1, 3, Qt::red);
        }
        painter.setPen(Qt::black);
        painter.drawText(x + 2, y + 80,
                         i < kToolsWithCursors.size()
                             ? QStringLiteral("tool %1").arg(kToolsWithCursors[i])
                             : QStringLiteral("drag %1").arg(
                                   kDragModesWithCursors[i - kToolsWithCursors.size()]));
    }
    painter.end();
    sheet.save(path);
}

} // namespace

TEST(CommandIcons, EveryToolBarCommandHasAVisibleIconAtToolBarSizes) {
    for (int id : kToolBarCommands) {
        SCOPED_TRACE(id);
        ASSERT_FALSE(IconOf(id).isNull());
        for (int size : {16, 24, 48}) {
            const QImage image = IconImage(id, size);
            ASSERT_EQ(image.size(), QSize(size, size));
            // A drawing fills a good part of its square; an empty or broken
            // file would leave it transparent.
            EXPECT_GT(VisiblePixels(image), size * size / 5) << "size " << size;
        }
    }
}

TEST(CommandIcons, HighDensityScreensGetSharpPixmaps) {
    // Drawn at the device size, not scaled up from the 16-pixel one: a scaled
    // copy would have no pixel that a sharp drawing of twice the size lacks,
    // but it would differ from the 32-pixel drawing.
    const QPixmap doubled = IconOf(32824).pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(doubled.size(), QSize(32, 32));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    const QImage sharp = IconImage(32824, 32).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(doubled.toImage().convertToFormat(QImage::Format_ARGB32), sharp);

    // Painting onto a high-density surface (as tool buttons do) is as sharp.
    QImage surface(32, 32, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(2.0);
    surface.fill(Qt::transparent);
    QPainter painter(&surface);
    IconOf(32824).paint(&painter, QRect(0, 0, 16, 16));
    painter.end();
    surface.setDevicePixelRatio(1.0);
    EXPECT_EQ(surface.convertToFormat(QImage::Format_ARGB32), sharp);
}

TEST(CommandIcons, DisabledIconsDifferFromNormalButStayVisible) {
    for (int id : {32824, 32775, 57600}) {
        SCOPED_TRACE(id);
        const QImage normal = IconImage(id, 16);
        const QImage disabled = IconImage(id, 16, QIcon::Disabled);
        EXPECT_GT(VisiblePixels(disabled), 0);
        EXPECT_NE(normal.convertToFormat(QImage::Format_ARGB32),
                  disabled.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST(CommandIcons, CommandsWithoutAPictureGetANullIcon) {
    for (int id : {0, -1, 32847, 99999}) {
        EXPECT_TRUE(IconOf(id).isNull()) << id;
    }
}

TEST(CommandIcons, DifferentCommandsHaveDifferentPictures) {
    std::vector<QImage> seen;
    for (int id : kToolBarCommands) {
        const QImage image = IconImage(id, 24).convertToFormat(QImage::Format_ARGB32);
        for (const QImage& other : seen) {
            EXPECT_NE(image, other) << "command " << id << " looks like an earlier one";
        }
        seen.push_back(image);
    }
}

TEST(CommandIcons, DrawingsAreSixteenPixelSquaresAndCursorsThirtyTwo) {
    ApplicationIcon(); // loads the resources
    const struct {
        const char* folder;
        int size;
    } kFolders[] = {{":/lumvane/icons", 16}, {":/lumvane/cursors", 32}};
    for (const auto& folder : kFolders) {
        const QDir dir(QString::fromLatin1(folder.folder));
        ASSERT_FALSE(dir.entryList().isEmpty()) << folder.folder;
        for (const QString& name : dir.entryList()) {
            const QSvgRenderer renderer(dir.filePath(name));
            EXPECT_TRUE(renderer.isValid()) << name.toStdString();
            EXPECT_EQ(renderer.defaultSize(), QSize(folder.size, folder.size))
                << name.toStdString();
        }
    }
}

TEST(Cursors, ToolsAndHandlesShowTheirOwnPictureWithTheHotSpotOnIt) {
    std::vector<std::pair<std::string, QCursor>> cursors;
    for (int tool : kToolsWithCursors) {
        cursors.emplace_back("tool " + std::to_string(tool), ToolCursorOf(tool));
    }
    for (int mode : kDragModesWithCursors) {
        cursors.emplace_back("drag mode " + std::to_string(mode), DragModeCursor(mode));
    }
    for (const auto& [name, cursor] : cursors) {
        SCOPED_TRACE(name);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
        const QPixmap pixmap = cursor.pixmap();
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
        const QImage image = pixmap.toImage();
        EXPECT_GT(VisiblePixels(image), 40);
        const QPoint hot = cursor.hotSpot();
        ASSERT_TRUE(QRect(0, 0, 32, 32).contains(hot));
        // The hot spot lies on the black of the drawing (the crosshair's centre
        // or the arrow's middle), so the click lands where the user aims.
        const qreal ratio = pixmap.devicePixelRatio();
        const QRgb atHotSpot = image.pixel(QPoint(int(hot.x() * ratio), int(hot.y() * ratio)));
        EXPECT_EQ(qAlpha(atHotSpot), 255);
        EXPECT_LT(qGray(atHotSpot), 64);
    }
}

TEST(Cursors, ToolCursorsAreDistinctAndOppositeHandlesShareAnArrow) {
    std::vector<QImage> tools;
    for (int tool : kToolsWithCursors) {
        tools.push_back(ToolCursorOf(tool).pixmap().toImage());
    }
    for (std::size_t i = 0; i < tools.size(); ++i) {
        for (std::size_t j = i + 1; j < tools.size(); ++j) {
            EXPECT_NE(tools[i], tools[j]) << i << " " << j;
        }
    }
    for (int handle = 0; handle < 4; ++handle) {
        EXPECT_EQ(DragModeCursor(handle).pixmap().toImage(),
                  DragModeCursor(handle + 4).pixmap().toImage())
            << handle;
        EXPECT_NE(DragModeCursor(handle).pixmap().toImage(),
                  DragModeCursor(handle + 1).pixmap().toImage())
            << handle;
    }
    EXPECT_NE(DragModeCursor(8).pixmap().toImage(), DragModeCursor(10).pixmap().toImage());
}

TEST(Cursors, OtherModesShowTheArrow) {
    for (int tool : {0, 6, 8, -1}) {
        EXPECT_EQ(ToolCursorOf(tool).shape(), Qt::ArrowCursor) << tool;
    }
    for (int mode : {9, 11, -1, 100}) {
        EXPECT_EQ(DragModeCursor(mode).shape(), Qt::ArrowCursor) << mode;
    }
}

// Set LUMVANE_ICON_SHEET to a file name to get a picture of all icons and
// cursors (for example /tmp/icons_sheet.png).
TEST(CommandIcons, ContactSheetOnRequest) {
    const QString path = qEnvironmentVariable("LUMVANE_ICON_SHEET");
    if (path.isEmpty()) {
        GTEST_SKIP() << "LUMVANE_ICON_SHEET not set";
    }
    WriteContactSheet(path);
    EXPECT_FALSE(QImage(path).isNull());
}

// The window's icon is the application icon compiled in (no theme holds it in
// the test): the disc's label is opaque, its hole and corners transparent.
TEST(Icons, ApplicationIconShowsTheDiscWithItsHole) {
    const QImage icon = ApplicationIcon().pixmap(QSize(64, 64)).toImage();
    ASSERT_EQ(icon.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 0) << "hole";
    EXPECT_EQ(qAlpha(icon.pixel(1, 1)), 0) << "corner";
    EXPECT_EQ(qAlpha(icon.pixel(32, 12)), 255) << "label";
}
