#pragma once

#include "platform/unit_conversion.h"

#include <QPoint>

class CBaseObject;
class CDiscwrightDoc;
class QWidget;

// What editing commands and property panels need from the editing view. The
// view implements it; commands and panels take it instead of the view itself,
// so each can be written and tested on its own with a small fake.
class EditingHost {
public:
    virtual ~EditingHost() = default;

    virtual CDiscwrightDoc& Document() = 0;

    // Draws the active face again into the face canvas (after its content changed).
    virtual void RefreshFaceCanvas() = 0;
    // Composes and shows a frame from the face canvas as it is.
    virtual void Repaint() = 0;
    // One undo step: a checkpoint of the whole project and the modified mark.
    virtual void RecordChange() = 0;

    // The object the property bar shows: the single selected object, the
    // face's background picture when nothing is selected, or null.
    virtual CBaseObject* PropertyObject() const = 0;
    // Shows `object` in the property bar (null shows nothing).
    virtual void ShowInPropertyBar(CBaseObject* object) = 0;
    // The property bar reads its object's values again (after a move, say).
    virtual void RefreshPropertyValues() = 0;

    // The view's zoom and the pixel position of the face's top-left corner in
    // the scrolled page.
    virtual float Zoom() const = 0;
    virtual QPoint Margin() const = 0;
    // The part of the active face in sight, in face units (top above bottom);
    // by default the whole face.
    virtual LogicalRect VisibleFaceArea();

    // Parent for message boxes and dialogs.
    virtual QWidget* DialogParent() = 0;
};
