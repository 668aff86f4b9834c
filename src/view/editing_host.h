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

    // The document every edit goes through (CDiscwrightDoc::Edit): its
    // signals, not the commands, make the view draw again.
    virtual CDiscwrightDoc& Document() = 0;

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
