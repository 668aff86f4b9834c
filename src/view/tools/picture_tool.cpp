#include "picture_tool.h"

#include "document/discwright_doc.h"
#include "objects/base_object.h"
#include "objects/picture_loading.h"
#include "objects/vector_image.h"
#include "tool_prompts.h"
#include "view/discwright_view.h"

#include <QCoreApplication>

ToolMode PictureTool::Mode() const {
    return ToolMode::kImage;
}

std::unique_ptr<CBaseObject> PictureTool::LoadChosenPicture(const LogicalRect& r) {
    const ToolPrompts& prompts = m_view.Prompts();
    const QString path =
        prompts.chooseImageFile ? prompts.chooseImageFile(m_view.DialogParent()) : QString();
    if (path.isEmpty())
        return nullptr;
    QString why;
    std::unique_ptr<CBaseObject> picture =
        LoadPictureFile(path, r.left, r.top, r.right, r.bottom, &why);
    if (picture == nullptr && prompts.command.showMessage) {
        // A damaged metafile says what is wrong with it below the message.
        QString text = QCoreApplication::translate("PictureTool", "Can not open file %1").arg(path);
        if (!why.isEmpty())
            text += QStringLiteral("\n\n") + why;
        prompts.command.showMessage(m_view.DialogParent(), text);
    }
    return picture;
}

std::unique_ptr<CBaseObject> PictureTool::CreateObject(const LogicalRect& rect) {
    std::unique_ptr<CBaseObject> picture = LoadChosenPicture(rect);
    // A vector picture takes its natural size whatever box was dragged: one
    // larger than the face is fitted into it, as a clicked picture is.
    if (dynamic_cast<CVectorImage*>(picture.get()) != nullptr) {
        const Face& face = m_view.Document().ActiveFace();
        KeepNewPictureInFace(*picture, face.m_width, face.m_height);
    }
    return picture;
}

bool PictureTool::Clicked(QPoint p) {
    // An empty rectangle: the picture takes its natural size, within the face.
    std::unique_ptr<CBaseObject> picture = LoadChosenPicture({p.x(), p.y(), p.x(), p.y()});
    const bool placed = picture != nullptr;
    if (placed) {
        const Face& face = m_view.Document().ActiveFace();
        PlaceNewPicture(*picture, p, face.m_width, face.m_height);
        AddCreated(std::move(picture));
    }
    m_view.SetTool(ToolMode::kSelect);
    // The new picture stays selected; a click that placed nothing selects as usual.
    return placed;
}
