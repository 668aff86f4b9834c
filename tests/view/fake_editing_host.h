#pragma once

#include "document/discwright_doc.h"
#include "support/test_support.h"
#include "view/command_prompts.h"
#include "view/editing_host.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <optional>

// A document on the shipped label stocks with a stand-in for the editing view
// that counts the edits the document tells of (each one draws the face again
// and repaints, as the view does), and prompts that answer without opening a
// window.
class FakeEditingHost : public EditingHost {
public:
    FakeEditingHost() : m_doc(m_program.DefaultStocks()) {
        EXPECT_TRUE(m_doc.OnNewDocument());
        QObject::connect(&m_doc, &CDiscwrightDoc::Edited, [this](const EditFootprint&) {
            ++canvasRefreshes;
            ++repaints;
            ++propertyRefreshes;
        });
    }

    CDiscwrightDoc& Document() override { return m_doc; }
    CBaseObject* PropertyObject() const override { return propertyObject; }
    void ShowInPropertyBar(CBaseObject* object) override { propertyObject = object; }
    void RefreshPropertyValues() override { ++propertyRefreshes; }
    float Zoom() const override { return 1.0f; }
    QPoint Margin() const override { return margin; }
    LogicalRect VisibleFaceArea() override {
        return visibleArea ? *visibleArea : EditingHost::VisibleFaceArea();
    }
    QWidget* DialogParent() override { return nullptr; }

    Face& ActiveFace() { return m_doc.ActiveFace(); }

    // Records the state a test has built as the current undo step, as the view
    // does after creating objects, and starts counting afresh from a saved project.
    void Settle() {
        EXPECT_TRUE(m_doc.CheckPoint());
        m_doc.SetModifiedFlag(false);
        canvasRefreshes = repaints = propertyRefreshes = 0;
    }

    // Messages shown are collected; the colour dialog gives `colourAnswer`.
    CommandPrompts Prompts() {
        return CommandPrompts{[this](QWidget*, const QString& text) { messages << text; },
                              [this](QWidget*, const QColor& initial) {
                                  colourDialogInitial = initial;
                                  return colourAnswer;
                              }};
    }

    CBaseObject* propertyObject = nullptr;
    QPoint margin{20, 30};
    std::optional<LogicalRect> visibleArea; // the whole face when not set
    int canvasRefreshes = 0;
    int repaints = 0;
    int propertyRefreshes = 0;
    QStringList messages;
    std::optional<QColor> colourAnswer;
    QColor colourDialogInitial;

private:
    TempProgramFolder m_program; // before the document, which reads its stocks
    CDiscwrightDoc m_doc;
};
