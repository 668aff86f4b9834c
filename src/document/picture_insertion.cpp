#include "picture_insertion.h"

#include "discwright_doc.h"
#include "objects/picture_loading.h"
#include "objects/vector_image.h"

#include <algorithm>

namespace {

void Place(CBaseObject& picture, const PicturePlacement& placement, const Face& face) {
    using Rule = PicturePlacement::Rule;
    switch (placement.rule) {
    case Rule::kRectangle:
        // A vector picture takes its natural size whatever box was dragged:
        // one larger than the face is fitted into it, as a clicked one is.
        if (dynamic_cast<CVectorImage*>(&picture) != nullptr)
            KeepNewPictureInFace(picture, face.Width(), face.Height());
        break;
    case Rule::kAtPoint:
        PlaceNewPicture(picture, placement.at, face.Width(), face.Height());
        break;
    case Rule::kStamp:
        if (dynamic_cast<CVectorImage*>(&picture) != nullptr)
            ClampToFace(picture, face.Width(), face.Height());
        break;
    case Rule::kCentredIn: {
        const LogicalRect& area = placement.area;
        const int areaWidth = std::max(2, area.right - area.left - 2 * placement.inset);
        const int areaDepth = std::max(2, area.top - area.bottom - 2 * placement.inset);
        FitPicture(picture, areaWidth, areaDepth);
        picture.SetX((area.left + area.right) / 2 - picture.Width() / 2);
        picture.SetY((area.top + area.bottom) / 2 - picture.Height() / 2);
        break;
    }
    }
}

} // namespace

std::unique_ptr<CBaseObject> ReadPictureFile(const QString& path, const PicturePlacement& placement,
                                             QString* error) {
    // An empty rectangle gives the picture its natural size.
    if (placement.rule == PicturePlacement::Rule::kRectangle) {
        const LogicalRect& r = placement.area;
        return LoadPictureFile(path, r.left, r.top, r.right, r.bottom, error);
    }
    const QPoint at = placement.at;
    return LoadPictureFile(path, at.x(), at.y(), at.x(), at.y(), error);
}

CBaseObject* InsertPicture(CDiscwrightDoc& doc, int faceId, std::unique_ptr<CBaseObject> picture,
                           const PicturePlacement& placement) {
    if (!picture)
        return nullptr;
    auto edit = doc.Edit(faceId);
    Face& face = edit.GetFace();
    Place(*picture, placement, face);
    CBaseObject* added = picture.get();
    if (placement.select)
        face.ClearSelection();
    face.AppendObject(std::move(picture));
    if (placement.select)
        face.Select(added);
    edit.TouchFace();
    return added;
}

CBaseObject* InsertPictureFile(CDiscwrightDoc& doc, int faceId, const QString& path,
                               const PicturePlacement& placement, QString* error) {
    return InsertPicture(doc, faceId, ReadPictureFile(path, placement, error), placement);
}
