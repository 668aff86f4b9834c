#include "discwright_doc.h"

#include "layout_file.h"

#include <QFileInfo>

bool CDiscwrightDoc::InsertLayout(const QString& path, QString* error) {
    QString ignored;
    QString& message = error ? *error : ignored;
    message.clear();
    // A thumbnail without its layout file inserts nothing, without a word.
    if (!QFileInfo::exists(path))
        return false;
    // The whole file is read before the face changes, so a damaged layout
    // leaves the face and its earlier layout objects as they were.
    ObjectList objects;
    if (!ReadLayoutFile(path, objects, &message))
        return false;

    auto edit = Edit();
    const int faceId = edit.FaceId();
    DeleteLayoutObjects(faceId);
    Face& face = edit.GetFace();
    face.ClearSelection();
    std::vector<CBaseObject*> added;
    added.reserve(objects.size());
    for (auto& object : objects) {
        object->SetFromLayout(1);
        object->SetSelected(0);
        added.push_back(object.get());
        face.AppendObject(std::move(object));
    }
    // Below everything that was there, in the file's order among themselves.
    for (size_t i = 0; i < added.size(); ++i)
        face.MoveObject(added[i], int(i));
    edit.TouchFace();
    return true;
}
