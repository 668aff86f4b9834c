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

void Face::Attach(int faceId, FaceObserver* observer) {
    m_id = faceId;
    m_observer = observer;
}

void Face::NotifySelection() {
    if (m_observer != nullptr)
        m_observer->FaceSelectionChanged(*this);
}

void Face::NotifyRemoval(const std::vector<CBaseObject*>& objects) {
    if (m_observer != nullptr && !objects.empty())
        m_observer->FaceObjectsAboutToBeRemoved(*this, objects);
}

std::vector<CBaseObject*> Face::Everything() const {
    std::vector<CBaseObject*> all;
    all.reserve(m_objects.size() + 1);
    for (const auto& object : m_objects)
        all.push_back(object.get());
    if (m_background)
        all.push_back(m_background.get());
    return all;
}

int Face::IndexOf(const CBaseObject* object) const {
    for (size_t i = 0; i < m_objects.size(); ++i) {
        if (m_objects[i].get() == object)
            return int(i);
    }
    return -1;
}

bool Face::IsSelected(const CBaseObject* object) const {
    return object != nullptr && object->Selected() != 0 && IndexOf(object) >= 0;
}

bool Face::Select(CBaseObject* object) {
    if (object == nullptr || IndexOf(object) < 0 ||
        std::find(m_selection.begin(), m_selection.end(), object) != m_selection.end())
        return false;
    object->SetSelected(1);
    m_selection.push_back(object);
    NotifySelection();
    return true;
}

bool Face::Deselect(CBaseObject* object) {
    if (std::erase(m_selection, object) == 0)
        return false;
    object->SetSelected(0);
    NotifySelection();
    return true;
}

void Face::ClearSelection() {
    bool changed = !m_selection.empty();
    for (const auto& object : m_objects) {
        changed = changed || object->Selected() != 0;
        object->SetSelected(0);
    }
    m_selection.clear();
    if (changed)
        NotifySelection();
}

void Face::RebuildSelection(Order order) {
    std::vector<CBaseObject*> rebuilt;
    for (const auto& object : m_objects) {
        if (object->Selected())
            rebuilt.push_back(object.get());
    }
    if (order == Order::kTopmostFirst)
        std::reverse(rebuilt.begin(), rebuilt.end());
    if (rebuilt == m_selection)
        return;
    m_selection = std::move(rebuilt);
    NotifySelection();
}

void Face::AppendObject(std::unique_ptr<CBaseObject> object) {
    if (!object)
        return;
    CBaseObject* added = object.get();
    m_objects.push_back(std::move(object));
    if (added->Selected()) {
        m_selection.push_back(added);
        NotifySelection();
    }
}

bool Face::MoveObject(const CBaseObject* object, int index) {
    const int from = IndexOf(object);
    if (from < 0)
        return false;
    const int to = std::clamp(index, 0, int(m_objects.size()) - 1);
    const auto at = m_objects.begin();
    if (from < to)
        std::rotate(at + from, at + from + 1, at + to + 1);
    else if (to < from)
        std::rotate(at + to, at + from, at + from + 1);
    return true;
}

std::unique_ptr<CBaseObject> Face::TakeObject(CBaseObject* object) {
    const auto it = std::find_if(m_objects.begin(), m_objects.end(),
                                 [object](const auto& owned) { return owned.get() == object; });
    if (it == m_objects.end())
        return nullptr;
    NotifyRemoval({object});
    std::unique_ptr<CBaseObject> taken = std::move(*it);
    m_objects.erase(it);
    std::erase(m_layoutScratch, object);
    if (std::erase(m_selection, object) != 0)
        NotifySelection();
    taken->SetSelected(0);
    return taken;
}

void Face::DeleteObjects(const std::vector<CBaseObject*>& objects) {
    std::vector<CBaseObject*> doomed;
    for (CBaseObject* object : objects) {
        if (IndexOf(object) >= 0 && std::find(doomed.begin(), doomed.end(), object) == doomed.end())
            doomed.push_back(object);
    }
    if (doomed.empty())
        return;
    NotifyRemoval(doomed);
    auto isDoomed = [&doomed](const CBaseObject* o) {
        return std::find(doomed.begin(), doomed.end(), o) != doomed.end();
    };
    const size_t selected = m_selection.size();
    std::erase_if(m_selection, isDoomed);
    std::erase_if(m_layoutScratch, isDoomed);
    std::erase_if(m_objects, [&isDoomed](const auto& o) { return isDoomed(o.get()); });
    if (m_selection.size() != selected)
        NotifySelection();
}

void Face::ReplaceObjects(ObjectList objects) {
    NotifyRemoval(Everything());
    m_layoutScratch.clear();
    m_selection.clear();
    m_objects = std::move(objects);
    for (const auto& object : m_objects) {
        if (object->Selected())
            m_selection.push_back(object.get());
    }
    NotifySelection();
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
    TakeBackground();
    picture->SetSelected(0);
    picture->SetIsBackground(1);
    m_background = std::move(picture);
}

std::unique_ptr<CImage> Face::TakeBackground() {
    if (m_background)
        NotifyRemoval({m_background.get()});
    return std::move(m_background);
}

void Face::DeleteLayoutObjects() {
    std::vector<CBaseObject*> layout;
    for (const auto& object : m_objects) {
        if (object->FromLayout() != 0)
            layout.push_back(object.get());
    }
    DeleteObjects(layout);
}

void Face::Clear() {
    NotifyRemoval(Everything());
    m_background.reset();
    m_backgroundColour = 0xFFFFFF;
    const bool hadSelection = !m_selection.empty();
    m_selection.clear();
    m_layoutScratch.clear();
    m_objects.clear();
    if (hadSelection)
        NotifySelection();
}
