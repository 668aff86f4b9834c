#include "stamp_drop.h"

#include "document/discwright_doc.h"
#include "document/picture_insertion.h"
#include "platform/app_places.h"
#include "view/discwright_view.h"

bool DropStamp(CDiscwrightView& view, const QString& path, QPoint at) {
    CDiscwrightDoc& doc = view.Document();
    PicturePlacement placement;
    placement.rule = PicturePlacement::Rule::kStamp;
    placement.at = view.WindowToFace(at);
    CBaseObject* stamp = InsertPictureFile(doc, doc.ActiveFaceId(), path, placement);
    if (stamp == nullptr)
        return false;
    view.ShowInPropertyBar(stamp);
    return true;
}

QString GalleryStampFolder() {
    return CurrentPlaces().UserDataPath(QStringLiteral("logo"));
}

QString GalleryBackgroundFolder() {
    return CurrentPlaces().UserDataPath(QStringLiteral("Backgrounds"));
}

QStringList GalleryStampFolders() {
    return CurrentPlaces().DataSubfolders(QStringLiteral("logo"));
}

QStringList GalleryBackgroundFolders() {
    return CurrentPlaces().DataSubfolders(QStringLiteral("Backgrounds"));
}
