#include "object_panel.h"

#include "document/discwright_doc.h"
#include "view/editing_host.h"

CObjectPanel::CObjectPanel(EditingHost& host, const UnitConversion& units, QWidget* parent)
    : QWidget(parent), m_host(host), m_units(units) {
}

void CObjectPanel::LoadFrom(CBaseObject* object) {
    m_object = object;
    if (m_object == nullptr)
        return;
    ++m_loading;
    Load();
    --m_loading;
}

EditScope CObjectPanel::EditObject() {
    EditScope edit = m_host.Document().Edit();
    if (m_object != nullptr)
        edit.Touch(*m_object);
    return edit;
}
