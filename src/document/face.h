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

// One printable surface: its drawing objects, their selection, a background
// colour and an optional background picture. The face owns its objects and its
// background picture; the selection points into the object list.
class Face {
public:
    using ObjectList = std::vector<std::unique_ptr<CBaseObject>>;

    Face() = default;
    virtual ~Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // Drawing order: the front of the list is drawn first (bottom).
    const ObjectList& Objects() const { return m_objects; }
    ObjectList& Objects() { return m_objects; }
    // The selected objects; the first is the one the property bar shows.
    const std::vector<CBaseObject*>& Selection() const { return m_selection; }
    std::vector<CBaseObject*>& Selection() { return m_selection; }
    // Used only while a layout file is inserted.
    std::vector<CBaseObject*>& LayoutScratch() { return m_layoutScratch; }

    void AppendObject(std::unique_ptr<CBaseObject> object);
    // Removes `object` from the object list and the selection and hands it over;
    // null when it is not on this face.
    std::unique_ptr<CBaseObject> TakeObject(CBaseObject* object);
    // Appends to the selection every object whose selected flag is set, in list order.
    void RebuildSelection();

    CImage* Background() const { return m_background.get(); }
    // Makes a picture of this face's object list (or the current background, which
    // changes nothing) the background: it leaves the object list and the selection.
    void SetBackground(CImage* objectOfFace);
    // Makes a new picture the background, replacing and deleting the old one.
    void SetBackground(std::unique_ptr<CImage> picture);
    void RemoveBackground() { m_background.reset(); }
    // Hands the background picture over, leaving the face without one.
    std::unique_ptr<CImage> TakeBackground() { return std::move(m_background); }

    // Deletes every object inserted from a layout.
    void DeleteLayoutObjects();
    // Deletes the background and every object, and turns the background white.
    void Clear();

    unsigned m_backgroundColour = 0xFFFFFF; // 0x00BBGGRR
    int m_width = 0;                        // positive, hundredths of a millimetre
    int m_height = 0;                       // positive

private:
    ObjectList m_objects;
    std::vector<CBaseObject*> m_selection;
    std::vector<CBaseObject*> m_layoutScratch;
    std::unique_ptr<CImage> m_background;
};
