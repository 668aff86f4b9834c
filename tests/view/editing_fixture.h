#pragma once

#include "document/discwright_doc.h"
#include "editing_printers.h"
#include "objects/shape.h"
#include "view/discwright_view.h"
#include "view/tools/select_tool.h"
#include "view_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// A shown editing view on the 120 x 120 mm front face of the shipped stocks,
// driven by synthetic mouse and key events. Points are given in pixels from
// the face's top-left corner (page pixels); at zoom 1, 96 pixels are exactly
// 2540 units. Prompts answer without windows; the property bar's object is
// followed through the view's signal.
struct EditingTest : ::testing::Test {
    CDiscwrightDoc doc{ShippedStocks()};
    CDiscwrightView view{doc};
    QString chosenFile; // the picture dialog's answer
    int imageDialogs = 0;
    QStringList messages;
    std::vector<CBaseObject*> shown; // each object given to the property bar

    void SetUp() override {
        view.resize(900, 700);
        view.show();
        view.ShowFace(kFrontFace);
        view.RecalcLayout();
        ToolPrompts prompts;
        prompts.chooseImageFile = [this](QWidget*) {
            ++imageDialogs;
            return chosenFile;
        };
        prompts.command.showMessage = [this](QWidget*, const QString& text) { messages << text; };
        view.SetPrompts(prompts);
        QObject::connect(&view, &CDiscwrightView::PropertyObjectChanged,
                         [this](CBaseObject* object) { shown.push_back(object); });
        Settle();
    }

    Face& ActiveFace() { return doc.ActiveFace(); }

    // The current state is the one undo record; the property bar log starts afresh.
    void Settle() {
        view.RefreshFaceCanvas();
        doc.ResetHistory();
        shown.clear();
    }

    CShape* AddShape(int x, int y, int w, int h, int kind = CShape::kRectangle) {
        auto shape = std::make_unique<CShape>(x, y, x + w, y + h, kind, 0xFF, 0);
        CShape* raw = shape.get();
        ActiveFace().AppendObject(std::move(shape));
        return raw;
    }
    void Select(std::initializer_list<CBaseObject*> objects) {
        for (CBaseObject* o : objects)
            o->SetSelected(1);
        ActiveFace().RebuildSelection();
    }
    std::vector<CBaseObject*> Selection() { return ActiveFace().Selection(); }
    CBaseObject* PropertyBarObject() const { return shown.empty() ? nullptr : shown.back(); }

    QPoint Client(QPoint page) { return page + view.Margin() - view.ScrollPosition(); }
    // The way between two page points in face units at zoom 1 as dragging
    // measures it: each client point converted (rounded) on its own.
    QPoint DeltaUnits(QPoint fromPage, QPoint toPage) {
        const UnitConversion units;
        return units.DeviceToLogical(Client(toPage)) - units.DeviceToLogical(Client(fromPage));
    }
    void Mouse(QEvent::Type type, QPoint page, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint client = Client(page);
        QMouseEvent event(type, QPointF(client), QPointF(view.viewport()->mapToGlobal(client)),
                          button, buttons, modifiers);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void Hover(QPoint page) { Mouse(QEvent::MouseMove, page, Qt::NoButton, Qt::NoButton); }
    void Press(QPoint page, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, page, Qt::LeftButton, Qt::LeftButton, m);
    }
    void DragTo(QPoint page) { Mouse(QEvent::MouseMove, page, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint page, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonRelease, page, Qt::LeftButton, Qt::NoButton, m);
    }
    void Click(QPoint page, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Press(page, m);
        Release(page, m);
    }
    // Press, two moves and release, as a user's drag arrives.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Press(from, m);
        DragTo((from + to) / 2);
        DragTo(to);
        Release(to, m);
    }
    // Hovers first, so that the select tool sees the handle or body under the press.
    void HoverAndDrag(QPoint from, QPoint to) {
        Hover(from);
        Drag(from, to);
    }

    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers m = Qt::NoModifier,
             bool autoRepeat = false) {
        QKeyEvent event(type, key, m, QString(), autoRepeat);
        QApplication::sendEvent(&view, &event);
    }
    void KeyClick(int key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        Key(QEvent::KeyPress, key, m);
        Key(QEvent::KeyRelease, key, m);
    }
};

// Units of a page pixel coordinate at zoom 1, as the view converts.
inline int Units(int pixels) {
    return UnitConversion{}.PixelsToUnits(pixels);
}
