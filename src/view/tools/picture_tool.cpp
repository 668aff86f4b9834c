#include "picture_tool.h"

#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "tool_prompts.h"
#include "view/discwright_view.h"

#include <QCoreApplication>

ToolMode PictureTool::Mode() const {
    return ToolMode::kImage;
}

bool PictureTool::InsertChosenPicture(const PicturePlacement& placement) {
    const ToolPrompts& prompts = m_view.Prompts();
    const QString path =
        prompts.chooseImageFile ? prompts.chooseImageFile(m_view.DialogParent()) : QString();
    if (path.isEmpty())
        return false;
    QString why;
    CDiscwrightDoc& doc = m_view.Document();
    CBaseObject* picture = InsertPictureFile(doc, doc.ActiveFaceId(), path, placement, &why);
    if (picture != nullptr)
        m_view.ShowInPropertyBar(picture);
    if (picture == nullptr && prompts.command.showMessage) {
        // A damaged metafile says what is wrong with it below the message.
        QString text = QCoreApplication::translate("PictureTool", "Can not open file %1").arg(path);
        if (!why.isEmpty())
            text += QStringLiteral("\n\n") + why;
        prompts.command.showMessage(m_view.DialogParent(), text);
    }
    return picture != nullptr;
}

std::unique_ptr<CBaseObject> PictureTool::CreateObject(const LogicalRect&) {
    return nullptr; // Create inserts the picture itself
}

void PictureTool::Create(const LogicalRect& rect) {
    PicturePlacement placement;
    placement.rule = PicturePlacement::Rule::kRectangle;
    placement.area = rect;
    InsertChosenPicture(placement);
}

bool PictureTool::Clicked(QPoint p) {
    // The picture takes its natural size, within the face.
    PicturePlacement placement;
    placement.at = p;
    const bool placed = InsertChosenPicture(placement);
    m_view.SetTool(ToolMode::kSelect);
    // The new picture stays selected; a click that placed nothing selects as usual.
    return placed;
}
