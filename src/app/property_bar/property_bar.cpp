#include "property_bar.h"

#include "cir_text_panel.h"
#include "empty_panel.h"
#include "picture_panel.h"
#include "shape_panel.h"
#include "text_panel.h"
#include "vector_panel.h"

#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "objects/vector_image.h"

#include <QStackedWidget>
#include <QVBoxLayout>

CPropertyBar::CPropertyBar(EditingHost& host, QWidget* parent, PictureEditing& editing)
    : QWidget(parent), m_textPanel(new CTextPanel(host, m_units, this)),
      m_cirTextPanel(new CCirTextPanel(host, m_units, this)),
      m_shapePanel(new CShapePanel(host, m_units, this)),
      m_picturePanel(new CPicturePanel(host, m_units, editing, this)),
      m_vectorPanel(new CVectorPanel(host, m_units, this)), m_emptyPanel(new CEmptyPanel(this)),
      m_stack(new QStackedWidget(this)), m_blank(new QWidget(this)) {
    for (QWidget* panel :
         {static_cast<QWidget*>(m_textPanel), static_cast<QWidget*>(m_cirTextPanel),
          static_cast<QWidget*>(m_shapePanel), static_cast<QWidget*>(m_picturePanel),
          static_cast<QWidget*>(m_vectorPanel), m_blank, static_cast<QWidget*>(m_emptyPanel)})
        m_stack->addWidget(panel);
    m_stack->setCurrentWidget(m_emptyPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
}

CObjectPanel* CPropertyBar::PanelFor(CBaseObject* object) const {
    if (dynamic_cast<CText*>(object) != nullptr)
        return m_textPanel;
    if (dynamic_cast<CCirText*>(object) != nullptr)
        return m_cirTextPanel;
    if (dynamic_cast<CShape*>(object) != nullptr)
        return m_shapePanel;
    if (dynamic_cast<CImage*>(object) != nullptr)
        return m_picturePanel;
    if (dynamic_cast<CVectorImage*>(object) != nullptr)
        return m_vectorPanel;
    return nullptr;
}

void CPropertyBar::ShowProperties(CBaseObject* object) {
    if (m_panel != nullptr) {
        m_panel->Forget();
        m_panel->SetActive(false);
    }
    if (object == nullptr) {
        m_stack->setCurrentWidget(m_emptyPanel);
        m_object = nullptr;
        m_panel = nullptr;
        return;
    }
    object->m_selected = 1;
    CObjectPanel* panel = PanelFor(object);
    m_object = object;
    m_panel = panel;
    if (panel == nullptr) {
        m_stack->setCurrentWidget(m_blank);
        return;
    }
    // The same kind stays in the panel already shown.
    if (m_stack->currentWidget() != panel)
        m_stack->setCurrentWidget(panel);
    panel->SetActive(true);
    panel->LoadFrom(object);
}

void CPropertyBar::RefreshPosition(const LogicalRect& rect) {
    if (m_panel != nullptr)
        m_panel->RefreshPosition(rect);
}

void CPropertyBar::RefreshValues() {
    if (m_object != nullptr)
        RefreshPosition(LogicalRect{m_object->m_x, m_object->m_y, m_object->m_x + m_object->m_width,
                                    m_object->m_y + m_object->m_height});
}
