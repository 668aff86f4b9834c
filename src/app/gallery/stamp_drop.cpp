#include "stamp_drop.h"

#include "document/discwright_doc.h"
#include "objects/picture_loading.h"
#include "objects/vector_image.h"
#include "platform/app_places.h"
#include "view/discwright_view.h"
#include "view/face_selection.h"

#include <algorithm>

bool DropStamp(CDiscwrightView& view, const QString& path, QPoint at) {
    const QPoint corner = view.WindowToFace(at);
    // An empty rectangle gives the picture its natural size; metafiles become
    // vector pictures, everything else raster pictures.
    std::unique_ptr<CBaseObject> stamp =
        LoadPictureFile(path, corner.x(), corner.y(), corner.x(), corner.y());
    if (!stamp)
        return false;
    const Face& face = view.Document().ActiveFace();
    if (dynamic_cast<CVectorImage*>(stamp.get())) {
        stamp->m_width = std::min(stamp->m_width, face.m_width);
        stamp->m_height = std::max(stamp->m_height, -face.m_height);
        if (stamp->m_width == face.m_width && stamp->m_height == -face.m_height) {
            stamp->m_x = 0;
            stamp->m_y = 0;
        }
    }
    AddSelectedAlone(view, std::move(stamp));
    view.RefreshFaceCanvas();
    view.Repaint();
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
