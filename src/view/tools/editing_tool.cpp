#include "editing_tool.h"

#include "document/discwright_doc.h"
#include "view/discwright_view.h"

QPoint EditingTool::PagePoint(QPoint client) const {
    return client + m_view.ScrollPosition() - m_view.Margin();
}

QPoint EditingTool::BufferPoint(QPoint client) const {
    return client + m_view.ScrollPosition();
}

PixelMapping EditingTool::Mapping() const {
    return m_view.Mapping();
}

int EditingTool::GridSpacing() const {
    const CDiscwrightDoc& doc = m_view.Document();
    return doc.m_gridVisible ? doc.m_gridSpacing : 0;
}
