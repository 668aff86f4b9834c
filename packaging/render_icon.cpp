// Renders the application icon's SVG into the PNG sizes desktops look up
// (hicolor/NxN/apps), at build time, so the SVG is the one source.
//
//   lumvane_render_icon ICON.svg OUT_FOLDER SIZE...   writes OUT_FOLDER/SIZE.png

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: lumvane_render_icon ICON.svg OUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", qPrintable(args[1]));
        return 1;
    }
    QDir().mkpath(args[2]);
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        if (size <= 0 || size > 1024)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = QDir(args[2]).filePath(sizeText + QStringLiteral(".png"));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
