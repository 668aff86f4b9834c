#pragma once

#include "document/edit_scope.h"
#include "platform/unit_conversion.h"

#include <QWidget>

class CBaseObject;
class EditingHost;

// The base of the property panels: one panel per object kind, each showing
// and editing the object the bar hands it. A panel refers to its object but
// does not own it; the bar makes it forget the object when the selection goes.
// Only the active panel (the one the bar shows) applies its fields.
class CObjectPanel : public QWidget {
    Q_OBJECT
public:
    CObjectPanel(EditingHost& host, const UnitConversion& units, QWidget* parent);

    // Takes `object` (of this panel's kind) and shows its values.
    void LoadFrom(CBaseObject* object);
    // Forgets the object; the fields keep their text.
    void Forget() { m_object = nullptr; }
    CBaseObject* Object() const { return m_object; }

    // Shows the position and size of the object as it is being moved or
    // resized by the view.
    virtual void RefreshPosition(const LogicalRect& rect) = 0;

    void SetActive(bool active) { m_active = active; }
    bool IsActive() const { return m_active; }

protected:
    // Copies the object's properties into the controls.
    virtual void Load() = 0;

    // Starts an edit of the panel's object on the active face, noting where
    // it lies before the change: the edit's end records the one undo step and
    // the view draws again what changed.
    EditScope EditObject();

    EditingHost& m_host;
    const UnitConversion& m_units; // the view's face canvas mapping
    CBaseObject* m_object = nullptr;
    bool m_active = false;
    int m_loading = 0; // above 0 while Load fills the controls
};
