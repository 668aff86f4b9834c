#include "object_panel.h"

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

void CObjectPanel::Render() {
    m_host.RefreshFaceCanvas();
    m_host.Repaint();
}

void CObjectPanel::Commit() {
    m_host.RecordChange();
    Render();
}
