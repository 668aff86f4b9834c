#include "tool_prompts.h"

#include <QFileDialog>

QStringList ImageFileFilters() {
    return {
        QStringLiteral("All files (*.*)"),           QStringLiteral("Jpeg files (*.jpg *.jpeg)"),
        QStringLiteral("Gif files (*.gif *.GIF)"),   QStringLiteral("Bmp Files (*.bmp *.BMP)"),
        QStringLiteral("Png Files (*.png)"),         QStringLiteral("Mng files (*.mng *.jng)"),
        QStringLiteral("Tiff files (*.tif *.tiff)"), QStringLiteral("Ico files (*.ico)"),
        QStringLiteral("Tga files (*.tga)"),         QStringLiteral("Pcx files (*.pcx)"),
        QStringLiteral("Wmf files (*.wmf)"),         QStringLiteral("Emf files (*.emf)"),
        QStringLiteral("Svg files (*.svg)"),
    };
}

ToolPrompts ToolPrompts::Interactive() {
    ToolPrompts prompts;
    prompts.chooseImageFile = [](QWidget* parent) {
        const QStringList filters = ImageFileFilters();
        QString selected = filters.front();
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Import Image Files"), QString(),
                                            filters.join(QStringLiteral(";;")), &selected);
    };
    prompts.command = CommandPrompts::Interactive();
    return prompts;
}
