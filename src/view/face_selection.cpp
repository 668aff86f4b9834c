#include "face_selection.h"

#include "document/discwright_doc.h"
#include "editing_host.h"

void ClearSelection(EditingHost& host) {
    host.Document().ActiveFace().ClearSelection();
    host.ShowInPropertyBar(nullptr);
}

CBaseObject* AddSelectedAlone(EditingHost& host, std::unique_ptr<CBaseObject> object) {
    CBaseObject* added = object.get();
    auto edit = host.Document().Edit();
    host.Document().AddObject(std::move(object));
    ClearSelection(host);
    SelectObject(host, added);
    return added;
}

void SelectObject(EditingHost& host, CBaseObject* object) {
    Face& face = host.Document().ActiveFace();
    face.Select(object);
    host.ShowInPropertyBar(face.Selection().size() < 2 ? object : nullptr);
}
