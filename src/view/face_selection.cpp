#include "face_selection.h"

#include "document/discwright_doc.h"
#include "editing_host.h"

void ClearSelection(EditingHost& host) {
    Face& face = host.Document().ActiveFace();
    for (const auto& object : face.Objects())
        object->m_selected = 0;
    face.Selection().clear();
    host.ShowInPropertyBar(nullptr);
}

void SelectObject(EditingHost& host, CBaseObject* object) {
    std::vector<CBaseObject*>& selection = host.Document().ActiveFace().Selection();
    object->m_savedX = object->m_x;
    object->m_savedY = object->m_y;
    object->m_savedWidth = object->m_width;
    object->m_savedHeight = object->m_height;
    object->m_selected = 1;
    selection.push_back(object);
    host.ShowInPropertyBar(selection.size() < 2 ? object : nullptr);
}
