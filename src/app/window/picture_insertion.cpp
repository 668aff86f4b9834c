#include "picture_insertion.h"

#include "document/discwright_doc.h"
#include "objects/base_object.h"
#include "objects/picture_loading.h"
#include "view/discwright_view.h"
#include "view/face_selection.h"

bool InsertPictureAt(CDiscwrightView& view, const QString& path, QPoint at) {
    const QPoint corner = view.WindowToFace(at);
    // An empty rectangle gives the picture its natural size.
    std::unique_ptr<CBaseObject> picture =
        LoadPictureFile(path, corner.x(), corner.y(), corner.x(), corner.y());
    if (!picture)
        return false;
    const Face& face = view.Document().ActiveFace();
    PlaceNewPicture(*picture, corner, face.m_width, face.m_height);
    AddSelectedAlone(view, std::move(picture));
    view.RefreshFaceCanvas();
    view.Repaint();
    return true;
}
