#pragma once

#include "app/property_bar/picture_editing.h"
#include "app/property_bar/property_bar.h"
#include "document/discwright_doc.h"
#include "support/test_support.h"
#include "view/editing_host.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

// The view as the property bar sees it: it counts the edits the document
// tells of, each drawing the face again and repainting, as the view does.
class FakeHost : public EditingHost {
public:
    explicit FakeHost(CDiscwrightDoc& doc) : m_doc(doc) {
        QObject::connect(&m_doc, &CDiscwrightDoc::Edited, [this](const EditFootprint&) {
            ++m_changes;
            ++m_refreshes;
            ++m_repaints;
        });
    }
    CDiscwrightDoc& Document() override { return m_doc; }
    CBaseObject* PropertyObject() const override { return nullptr; }
    void ShowInPropertyBar(CBaseObject*) override {}
    void RefreshPropertyValues() override {}
    float Zoom() const override { return m_zoom; }
    QPoint Margin() const override { return {}; }
    QWidget* DialogParent() override { return nullptr; }

    CDiscwrightDoc& m_doc;
    int m_refreshes = 0;
    int m_repaints = 0;
    int m_changes = 0;
    float m_zoom = 1.0f;
};

// Picture options and pixels kept in the fake itself, one picture at a time.
class FakePictureEditing : public PictureEditing {
public:
    PictureOptions Options(const CImage&) const override { return m_options; }
    void SetOptions(CImage&, const PictureOptions& options) override { m_options = options; }
    bool HasAlphaChannel(const CImage&) const override { return m_hasAlpha; }
    quint32 TransparentColour(const CImage&) const override { return m_colour; }
    void SetTransparentColour(CImage&, quint32 colour) override { m_colour = colour; }
    quint32 CornerPixel(const CImage&) const override { return m_corner; }

    PictureOptions m_options;
    bool m_hasAlpha = false;
    quint32 m_colour = 0xFFFFFF;
    quint32 m_corner = 0x123456;
};

// A document with label stocks, a fake view and the bar over them.
class PropertyBarTest : public ::testing::Test {
protected:
    PropertyBarTest();

    // Adds the object to the disc face and returns it.
    template <class T> T* Add(std::unique_ptr<T> object) {
        T* raw = object.get();
        doc.AddObject(std::move(object));
        return raw;
    }
    // Undo steps taken since the fixture was set up (or since the last call).
    int NewUndoSteps();
    // Types `text` over a field's content and leaves it, as a user does.
    static void Retype(QLineEdit* field, const QString& text);

    TempProgramFolder program;
    CDiscwrightDoc doc;
    FakeHost host{doc};
    FakePictureEditing editing;
    CPropertyBar bar{host, nullptr, editing};

private:
    int m_undoCount = 0;
};
