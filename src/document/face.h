#pragma once

#include "objects/base_object.h"
#include "objects/image.h"

#include <QString>

#include <memory>
#include <vector>

// The four printable faces of a project, in the order of the face tabs, the
// project file and the undo snapshots.
enum FaceId : int { kDiscFace = 0, kFrontFace = 1, kInsideFace = 2, kBackFace = 3 };
inline constexpr int kFaceCount = 4;

// "disc", "front", "inside" or "back": the names scripts use for faces.
QString FaceName(int faceId);
// The face id for one of those names, or -1.
int FaceIdFromName(QStringView name);

class Face;

// Who hears of a face's changes (the document, which passes them on as
// signals). Removal is told before the objects are destroyed, so that every
// holder of a pointer to them can let go in time.
class FaceObserver {
public:
    virtual ~FaceObserver() = default;
    virtual void FaceSelectionChanged(const Face& face) = 0;
    // `objects` leave the face's object list (or, for its background picture,
    // the face) and are destroyed or handed over right after.
    virtual void FaceObjectsAboutToBeRemoved(const Face& face,
                                             const std::vector<CBaseObject*>& objects) = 0;
};

// One printable surface: its drawing objects, their selection, a background
// colour and an optional background picture. The face owns its objects and its
// background picture; the selection points into the object list.
//
// The face keeps its selection consistent itself: an object is in the
// selection list exactly when its selected flag is set, and only objects of
// the list can be selected. The flag is written by the face (and by the
// archive while a record is read, after which RebuildSelection brings the
// list in step); everyone else reads it.
class Face {
public:
    using ObjectList = std::vector<std::unique_ptr<CBaseObject>>;
    // Selection order for RebuildSelection.
    enum class Order { kDrawing, kTopmostFirst };

    Face() = default;
    virtual ~Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // The face's id and the observer told of its changes (null: none).
    void Attach(int faceId, FaceObserver* observer);
    int Id() const { return m_id; }

    // Drawing order: the front of the list is drawn first (bottom).
    const ObjectList& Objects() const { return m_objects; }
    // The index of `object` in the drawing order, or -1.
    int IndexOf(const CBaseObject* object) const;

    // The selected objects; the first is the one the property bar shows.
    const std::vector<CBaseObject*>& Selection() const { return m_selection; }
    bool IsSelected(const CBaseObject* object) const;
    // Appends `object` (of this face, not yet selected) to the selection.
    // False when nothing changed.
    bool Select(CBaseObject* object);
    // Takes `object` out of the selection; false when it was not selected.
    bool Deselect(CBaseObject* object);
    // Deselects every object.
    void ClearSelection();
    // The selection list again from the objects' selected flags (after
    // reading a file, or in `order` after several flags changed).
    void RebuildSelection(Order order = Order::kDrawing);

    // Used only while a layout file is inserted.
    std::vector<CBaseObject*>& LayoutScratch() { return m_layoutScratch; }

    // Puts `object` on top of the drawing order; a set selected flag selects it.
    void AppendObject(std::unique_ptr<CBaseObject> object);
    // Moves `object` to position `index` of the drawing order (clamped).
    bool MoveObject(const CBaseObject* object, int index);
    // Removes `object` from the object list and the selection and hands it over;
    // null when it is not on this face.
    std::unique_ptr<CBaseObject> TakeObject(CBaseObject* object);
    // Destroys every object of `objects` that is on this face.
    void DeleteObjects(const std::vector<CBaseObject*>& objects);
    // Replaces every object with `objects` (a project or snapshot read), whose
    // selection comes from their flags.
    void ReplaceObjects(ObjectList objects);

    CImage* Background() const { return m_background.get(); }
    // Makes a picture of this face's object list (or the current background, which
    // changes nothing) the background: it leaves the object list and the selection.
    void SetBackground(CImage* objectOfFace);
    // Makes a new picture the background, replacing and deleting the old one.
    void SetBackground(std::unique_ptr<CImage> picture);
    void RemoveBackground() { TakeBackground(); }
    // Hands the background picture over, leaving the face without one.
    std::unique_ptr<CImage> TakeBackground();

    // Deletes every object inserted from a layout.
    void DeleteLayoutObjects();
    // Deletes the background and every object, and turns the background white.
    void Clear();

    // The background colour, 0x00BBGGRR.
    unsigned BackgroundColour() const { return m_backgroundColour; }
    void SetBackgroundColour(unsigned colour) { m_backgroundColour = colour; }
    // The label size, positive, in hundredths of a millimetre (from the stock).
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }

private:
    unsigned m_backgroundColour = 0xFFFFFF;
    int m_width = 0;
    int m_height = 0;

    void NotifySelection();
    void NotifyRemoval(const std::vector<CBaseObject*>& objects);
    // Every object of the list, and the background picture.
    std::vector<CBaseObject*> Everything() const;

    int m_id = 0;
    FaceObserver* m_observer = nullptr;
    ObjectList m_objects;
    std::vector<CBaseObject*> m_selection;
    std::vector<CBaseObject*> m_layoutScratch;
    std::unique_ptr<CImage> m_background;
};
