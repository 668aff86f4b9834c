#pragma once

#include "picture_editing.h"
#include "platform/unit_conversion.h"

#include <QWidget>

class CBaseObject;
class CCirTextPanel;
class CEmptyPanel;
class CObjectPanel;
class CPicturePanel;
class CVectorPanel;
class CShapePanel;
class CTextPanel;
class EditingHost;
class QStackedWidget;

// The content of the "Object Properties" dock: one panel per object kind,
// shown one at a time, for the object the view hands over. The bar owns its
// panels; it refers to the shown object without owning it, and forgets it
// when told to show nothing or when the document says the object is about to
// go (a delete, an undo, an Open).
class CPropertyBar : public QWidget {
    Q_OBJECT
    // First, so the panels can keep a reference to it.
    UnitConversion m_units;

public:
    // `editing` reaches the pixels and options of pictures; it must outlive the bar.
    explicit CPropertyBar(EditingHost& host, QWidget* parent = nullptr,
                          PictureEditing& editing = DefaultPictureEditing());

    // The face canvas mapping, through which font sizes in screen pixels
    // become logical heights.
    void SetUnits(const UnitConversion& units) { m_units = units; }

    // Shows `object` in its kind's panel, or the "nothing" panel for null.
    void ShowProperties(CBaseObject* object);
    // Shows the position and size given while the view moves or resizes the
    // shown object.
    void RefreshPosition(const LogicalRect& rect);

    void ShowObject(CBaseObject* object) { ShowProperties(object); }
    // Reads the shown object's position and size again.
    void RefreshValues();

    CBaseObject* Object() const { return m_object; }
    // The panel shown for an object, or null (nothing, or a kind without a panel).
    CObjectPanel* CurrentPanel() const { return m_panel; }

    CTextPanel* m_textPanel;
    CCirTextPanel* m_cirTextPanel;
    CShapePanel* m_shapePanel;
    CPicturePanel* m_picturePanel;
    CVectorPanel* m_vectorPanel;
    CEmptyPanel* m_emptyPanel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CObjectPanel* PanelFor(CBaseObject* object) const;

    QStackedWidget* m_stack;
    QWidget* m_blank; // shown for a kind without a panel
    CBaseObject* m_object = nullptr;
    CObjectPanel* m_panel = nullptr;
};
