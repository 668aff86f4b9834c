#include "text_tool.h"

#include "objects/text.h"
#include "view/discwright_view.h"

#include <QCoreApplication>

QString NewObjectText() {
    return QCoreApplication::translate("TextTool", "your text here");
}

ToolMode TextTool::Mode() const {
    return ToolMode::kText;
}

std::unique_ptr<CBaseObject> TextTool::CreateObject(const LogicalRect& dragged) {
    const LogicalRect r = AtLeastOnePixel(dragged);
    return std::make_unique<CText>(r.left, r.top, r.right, r.bottom, 0, NewObjectText(),
                                   Mapping().units);
}
