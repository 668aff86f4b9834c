#include "tool_prompts.h"

#include "app/window/start_folders.h"
#include "document/discwright_doc.h"
#include "view/discwright_view.h"

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
        // Starts in the project's folder, else where pictures came from last.
        auto* view = qobject_cast<CDiscwrightView*>(parent);
        return ChoosePictureFile(parent, view != nullptr ? view->Document().PathName() : QString());
    };
    prompts.command = CommandPrompts::Interactive();
    return prompts;
}
