#include "property_bar.h"

#include "cir_text_panel.h"
#include "empty_panel.h"
#include "picture_panel.h"
#include "shape_panel.h"
#include "text_panel.h"
#include "vector_panel.h"

#include "document/discwright_doc.h"
#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "objects/vector_image.h"
#include "view/editing_host.h"

#include <QStackedWidget>

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

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
    // Undo and Redo in a field reach the window's commands unless the field
    // holds typing of its own to take back.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);

    // The shown object may be destroyed by a command, an undo or an Open:
    // the bar and its panel let go of it first.
    CDiscwrightDoc& doc = host.Document();
    connect(&doc, &CDiscwrightDoc::ContentAboutToBeReplaced, this,
            [this] { ShowProperties(nullptr); });
    connect(&doc, &CDiscwrightDoc::ObjectsAboutToBeRemoved, this,
            [this](int, const std::vector<CBaseObject*>& objects) {
                if (m_object != nullptr &&
                    std::find(objects.begin(), objects.end(), m_object) != objects.end())
                    ShowProperties(nullptr);
            });
}

bool CPropertyBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo);
        if (field != nullptr &&
            ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable()))) {
            event->ignore(); // the shortcut, not the field, takes the key
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
        RefreshPosition(LogicalRect{m_object->X(), m_object->Y(), m_object->X() + m_object->Width(),
                                    m_object->Y() + m_object->Height()});
}
