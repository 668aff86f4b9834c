#include "picture_insertion.h"

#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "view/discwright_view.h"

bool InsertPictureAt(CDiscwrightView& view, const QString& path, QPoint at) {
    CDiscwrightDoc& doc = view.Document();
    PicturePlacement placement;
    placement.at = view.WindowToFace(at);
    CBaseObject* picture = InsertPictureFile(doc, doc.ActiveFaceId(), path, placement);
    if (picture == nullptr)
        return false;
    view.ShowInPropertyBar(picture);
    return true;
}
