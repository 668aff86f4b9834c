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

CBaseObject* AddSelectedAlone(EditingHost& host, std::unique_ptr<CBaseObject> object) {
    CBaseObject* added = object.get();
    host.Document().AddObject(std::move(object));
    ClearSelection(host);
    SelectObject(host, added);
    host.RecordChange();
    return added;
}

void SelectObject(EditingHost& host, CBaseObject* object) {
    std::vector<CBaseObject*>& selection = host.Document().ActiveFace().Selection();
    object->SaveRect();
    object->m_selected = 1;
    selection.push_back(object);
    host.ShowInPropertyBar(selection.size() < 2 ? object : nullptr);
}
