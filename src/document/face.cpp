#include "face.h"

#include <algorithm>
#include <array>

namespace {
const std::array<QString, kFaceCount> kFaceNames = {QStringLiteral("disc"), QStringLiteral("front"),
                                                    QStringLiteral("inside"),
                                                    QStringLiteral("back")};
} // namespace

QString FaceName(int faceId) {
    return faceId >= 0 && faceId < kFaceCount ? kFaceNames[faceId] : QString();
}

int FaceIdFromName(QStringView name) {
    for (int i = 0; i < kFaceCount; ++i) {
        if (kFaceNames[i] == name)
            return i;
    }
    return -1;
}

void Face::AppendObject(std::unique_ptr<CBaseObject> object) {
    m_objects.push_back(std::move(object));
}

std::unique_ptr<CBaseObject> Face::TakeObject(CBaseObject* object) {
    const auto it = std::find_if(m_objects.begin(), m_objects.end(),
                                 [object](const auto& owned) { return owned.get() == object; });
    if (it == m_objects.end())
        return nullptr;
    std::unique_ptr<CBaseObject> taken = std::move(*it);
    m_objects.erase(it);
    std::erase(m_selection, object);
    std::erase(m_layoutScratch, object);
    return taken;
}

void Face::RebuildSelection() {
    m_selection.clear();
    for (const auto& object : m_objects) {
        if (object->m_selected)
            m_selection.push_back(object.get());
    }
}

void Face::SetBackground(CImage* objectOfFace) {
    if (objectOfFace == nullptr || objectOfFace == m_background.get())
        return;
    std::unique_ptr<CBaseObject> taken = TakeObject(objectOfFace);
    if (!taken)
        return; // not ours to take
    SetBackground(std::unique_ptr<CImage>(static_cast<CImage*>(taken.release())));
}

void Face::SetBackground(std::unique_ptr<CImage> picture) {
    if (!picture || picture.get() == m_background.get())
        return;
    picture->m_selected = 0;
    picture->m_isBackground = 1;
    m_background = std::move(picture);
}

void Face::DeleteLayoutObjects() {
    std::erase_if(m_selection, [](CBaseObject* o) { return o->m_fromLayout != 0; });
    std::erase_if(m_layoutScratch, [](CBaseObject* o) { return o->m_fromLayout != 0; });
    std::erase_if(m_objects, [](const auto& o) { return o->m_fromLayout != 0; });
}

void Face::Clear() {
    m_background.reset();
    m_backgroundColour = 0xFFFFFF;
    m_selection.clear();
    m_layoutScratch.clear();
    m_objects.clear();
}
