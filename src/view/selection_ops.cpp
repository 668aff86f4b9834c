#include "selection_ops.h"

#include "document/discwright_doc.h"
#include "document/edit_scope.h"
#include "editing_host.h"
#include "face_selection.h"
#include "objects/cir_text.h"
#include "platform/scaling.h"

namespace {

// Pixels of the Select All band: far beyond the largest face at any zoom.
constexpr QPoint kEverywhereFrom{-10000, -10000};
constexpr QPoint kEverywhereTo{100000, 100000};

// Selects `found` (topmost first) and orders the whole selection topmost
// first, as clicks and rubber bands leave it.
void SelectTopmostFirst(Face& face, const std::vector<CBaseObject*>& found) {
    for (CBaseObject* object : found)
        face.Select(object);
    face.RebuildSelection(Face::Order::kTopmostFirst);
}

} // namespace

CBaseObject* HitSelect(EditingHost& host, const PixelMapping& map, QPoint page, bool additive) {
    Face& face = host.Document().ActiveFace();
    if (!additive)
        ClearSelection(host);
    const QPoint units = map.ZoomedUnits(page);
    CBaseObject* hit = nullptr;
    const Face::ObjectList& objects = face.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if ((*it)->HitTest(units.x(), units.y(), map.zoom)) {
            hit = it->get();
            break;
        }
    }
    SelectTopmostFirst(face, hit != nullptr ? std::vector<CBaseObject*>{hit}
                                            : std::vector<CBaseObject*>{});
    // With Shift and nothing hit the kept selection decides: the background
    // picture only shows when nothing is selected.
    host.ShowInPropertyBar(hit != nullptr ? hit : host.PropertyObject());
    return hit;
}

int RubberBandSelect(EditingHost& host, const PixelMapping& map, QPoint pageA, QPoint pageB,
                     bool additive) {
    Face& face = host.Document().ActiveFace();
    const LogicalRect band = map.FaceRect(pageA, pageB);
    if (!additive)
        ClearSelection(host);
    int count = 0;
    CBaseObject* found = nullptr;
    std::vector<CBaseObject*> inBand;
    const Face::ObjectList& objects = face.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if ((*it)->IntersectsRect(band)) {
            found = it->get();
            inBand.push_back(found);
            ++count;
        }
    }
    SelectTopmostFirst(face, inBand);
    if (count == 0)
        host.ShowInPropertyBar(host.PropertyObject());
    else
        host.ShowInPropertyBar(count == 1 ? found : nullptr);
    return count;
}

int SelectAllObjects(EditingHost& host, const PixelMapping& map) {
    return RubberBandSelect(host, map, kEverywhereFrom, kEverywhereTo, false);
}

bool SelectNextObject(EditingHost& host) {
    Face& face = host.Document().ActiveFace();
    const Face::ObjectList& objects = face.Objects();
    CBaseObject* candidate = nullptr;
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i]->Selected()) {
            if (i + 1 < objects.size())
                candidate = objects[i + 1].get();
            break;
        }
    }
    if (candidate == nullptr && !objects.empty())
        candidate = objects.front().get();
    ClearSelection(host);
    if (candidate != nullptr)
        SelectObject(host, candidate);
    return candidate != nullptr;
}

bool NudgeSelection(EditScope& edit, int dx, int dy, float zoom) {
    bool moved = false;
    for (CBaseObject* object : edit.GetFace().Selection()) {
        if (object->Locked())
            continue;
        edit.MoveTo(*object, AddClamped(object->X(), dx), AddClamped(object->Y(), dy));
        if (auto* cirText = dynamic_cast<CCirText*>(object))
            cirText->TrackPosition(zoom);
        moved = true;
    }
    return moved;
}
