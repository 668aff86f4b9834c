#include "tool_prompts.h"

#include <QCoreApplication>

QStringList ImageFileFilters() {
    return {
        QCoreApplication::translate("ToolPrompts", "All files (*.*)"),
        QCoreApplication::translate("ToolPrompts", "Jpeg files (*.jpg *.jpeg)"),
        QCoreApplication::translate("ToolPrompts", "Gif files (*.gif *.GIF)"),
        QCoreApplication::translate("ToolPrompts", "Bmp Files (*.bmp *.BMP)"),
        QCoreApplication::translate("ToolPrompts", "Png Files (*.png)"),
        QCoreApplication::translate("ToolPrompts", "Mng files (*.mng *.jng)"),
        QCoreApplication::translate("ToolPrompts", "Tiff files (*.tif *.tiff)"),
        QCoreApplication::translate("ToolPrompts", "Ico files (*.ico)"),
        QCoreApplication::translate("ToolPrompts", "Tga files (*.tga)"),
        QCoreApplication::translate("ToolPrompts", "Pcx files (*.pcx)"),
        QCoreApplication::translate("ToolPrompts", "Wmf files (*.wmf)"),
        QCoreApplication::translate("ToolPrompts", "Emf files (*.emf)"),
        QCoreApplication::translate("ToolPrompts", "Svg files (*.svg)"),
    };
}

ToolPrompts ToolPrompts::Interactive() {
    ToolPrompts prompts;
    prompts.command = CommandPrompts::Interactive();
    return prompts;
}
