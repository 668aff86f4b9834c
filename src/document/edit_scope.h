#pragma once

#include "edit_footprint.h"
#include "objects/base_object.h"

#include <QRect>

#include <vector>

class CDiscwrightDoc;
class CShape;
class Face;

// The area `object` paints as it is now.
PaintArea PaintAreaOf(const CBaseObject& object);

// One user action on the project, from its start to its end. Everything an
// action changes goes through a scope: it collects what changed and, when the
// outermost scope ends, records the one undo step, marks the project
// modified and tells the views once (CDiscwrightDoc::Edited), which draw
// again only the areas named. Scopes nest: inner ones join the outer one's
// step. A scope that changed nothing records nothing.
//
// Before an object's look changes, Touch it (or use one of the setters here,
// which compare first and touch only on a real change), so its old area is
// known; adding, removing or restacking objects and face-wide changes mark
// the whole face. Long actions (a drag) keep their scope open and call
// Update() to show the objects as they go.
class EditScope {
public:
    EditScope(CDiscwrightDoc& doc, int faceId);
    ~EditScope();
    // A moved scope hands its part of the action over; the moved-from one ends nothing.
    EditScope(EditScope&& other) noexcept;
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;
    EditScope& operator=(EditScope&&) = delete;

    CDiscwrightDoc& Document() { return *m_doc; }
    Face& GetFace();
    int FaceId() const { return m_faceId; }

    // `object` of this face is about to change how it looks (its position,
    // size or anything drawn): its area before and after is drawn again.
    void Touch(CBaseObject& object);
    // The same after the fact: `object` changed, and painted `before` before.
    void Touched(CBaseObject& object, const PaintArea& before);
    // Something without an area changed: the whole face is drawn again.
    void TouchFace();
    // Something every face shows changed (album data, label stocks).
    void TouchProject();
    // Whether anything changed so far in the action.
    bool Changed() const;

    // Moves `object` so its top-left corner is (x, y); false when it was there.
    bool MoveTo(CBaseObject& object, int x, int y);
    // Gives `object` the position and size; false when it had them.
    bool SetRect(CBaseObject& object, int x, int y, int width, int height);
    // A round rectangle's corner radii (x positive, y negative); false when it had them.
    bool SetCornerRadii(CShape& shape, int radiusX, int radiusY);
    // The face's background colour (0x00BBGGRR).
    void SetBackgroundColour(unsigned colour);
    // Locks or unlocks `object` (nothing drawn changes; the step is recorded).
    void SetLocked(CBaseObject& object, bool locked);

    // Shows what changed so far without ending the action's step.
    void Update();

private:
    CDiscwrightDoc* m_doc;
    int m_faceId;
};
