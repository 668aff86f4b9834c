#include "document/discwright_doc.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A document with two shapes on the disc face, saved, and a record of every
// edit it tells of.
class EditScopeTest : public ::testing::Test {
protected:
    EditScopeTest() : doc(program.DefaultStocks()) {
        doc.OnNewDocument();
        a = Add(1000);
        b = Add(3000);
        doc.ResetHistory();
        QObject::connect(&doc, &CDiscwrightDoc::Edited,
                         [this](const EditFootprint& footprint) { edits.push_back(footprint); });
    }

    CShape* Add(int x) {
        auto shape = std::make_unique<CShape>(x, -1000, x + 500, -1500, CShape::kRectangle, 0, 0);
        CShape* raw = shape.get();
        doc.AddObject(std::move(shape));
        return raw;
    }

    TempProgramFolder program;
    CDiscwrightDoc doc;
    CShape* a = nullptr;
    CShape* b = nullptr;
    std::vector<EditFootprint> edits;
};

} // namespace

TEST_F(EditScopeTest, NestedScopesAreOneStepToldOnceWithTheAreasBeforeAndAfter) {
    {
        auto outer = doc.Edit(kDiscFace);
        outer.MoveTo(*a, 1200, -1000);
        {
            auto inner = doc.Edit(kDiscFace);
            inner.SetRect(*a, 1200, -1100, 600, -500);
            EXPECT_TRUE(edits.empty()) << "told only when the outermost scope ends";
        }
        EXPECT_FALSE(doc.CanUndo());
    }
    EXPECT_EQ(doc.UndoCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(edits.size(), 1u);
    const EditFootprint& told = edits.front();
    EXPECT_EQ(told.faceId, kDiscFace);
    EXPECT_FALSE(told.whole);
    // Where `a` was when first touched, and where it is now; `b` is not named.
    ASSERT_EQ(told.areas.size(), 2u);
    EXPECT_EQ(told.areas[0].units, QRect(1000, -1000, 500, -500));
    EXPECT_EQ(told.areas[1].units, QRect(1200, -1100, 600, -500));
    EXPECT_EQ(told.areas[0].outline, 1);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetFace(kDiscFace).Objects()[0]->X(), 1000);
}

TEST_F(EditScopeTest, AScopeThatChangedNothingRecordsNothing) {
    {
        auto edit = doc.Edit(kDiscFace);
        EXPECT_FALSE(edit.MoveTo(*a, a->X(), a->Y()));
        EXPECT_FALSE(edit.SetRect(*b, b->X(), b->Y(), b->Width(), b->Height()));
        EXPECT_FALSE(edit.Changed());
    }
    EXPECT_EQ(doc.UndoCount(), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(edits.empty());
}

TEST_F(EditScopeTest, WholeFaceChangesAndSeveralFacesNameNoAreas) {
    const struct {
        const char* name;
        std::function<void(CDiscwrightDoc&, CShape*)> edit;
        int faceId;
    } cases[] = {
        {"background colour",
         [](CDiscwrightDoc& d, CShape*) { d.Edit(kDiscFace).SetBackgroundColour(0x123456); },
         kDiscFace},
        {"object deleted",
         [](CDiscwrightDoc& d, CShape* s) {
             auto edit = d.Edit(kDiscFace);
             edit.MoveTo(*s, 0, 0);
             d.DeleteObjects(kDiscFace, {s}); // its area is gone with it
         },
         kDiscFace},
        {"album data",
         [](CDiscwrightDoc& d, CShape*) {
             auto edit = d.Edit();
             edit.TouchProject();
             d.Album().title = QStringLiteral("Other");
         },
         -1},
        {"two faces",
         [](CDiscwrightDoc& d, CShape* s) {
             auto edit = d.Edit(kDiscFace);
             edit.MoveTo(*s, 0, 0);
             d.Edit(kBackFace).SetBackgroundColour(0);
         },
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edits.clear();
        const int steps = doc.UndoCount();
        c.edit(doc, b);
        ASSERT_EQ(edits.size(), 1u);
        EXPECT_EQ(edits.front().faceId, c.faceId);
        EXPECT_TRUE(edits.front().whole);
        EXPECT_TRUE(edits.front().areas.empty());
        EXPECT_EQ(doc.UndoCount(), std::min(steps + 1, UndoHistory::kLevels + 1));
        ASSERT_TRUE(doc.Undo());
        b = static_cast<CShape*>(doc.GetFace(kDiscFace).Objects()[1].get());
    }
}

TEST_F(EditScopeTest, UndoAndRedoTellWhatTheEditChanged) {
    {
        auto edit = doc.Edit(kDiscFace);
        edit.MoveTo(*b, 4000, -2000);
    }
    std::vector<QRect> seen;
    QObject::connect(&doc, &CDiscwrightDoc::ContentReplaced, [this, &seen] {
        const EditFootprint* restored = doc.RestoringEdit();
        ASSERT_NE(restored, nullptr);
        EXPECT_FALSE(restored->whole);
        for (const PaintArea& area : restored->areas)
            seen.push_back(area.units);
    });
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Redo());
    // Both name where `b` was and where the move put it.
    const QRect before(3000, -1000, 500, -500), after(4000, -2000, 500, -500);
    EXPECT_EQ(seen, (std::vector<QRect>{before, after, before, after}));
    EXPECT_EQ(doc.RestoringEdit(), nullptr);
}

TEST_F(EditScopeTest, TextMayPaintAnywhere) {
    CText text(0, 0, 100, -100, 0, QStringLiteral("x"), UnitConversion{});
    EXPECT_TRUE(PaintAreaOf(text).wholeCanvas);
    EXPECT_FALSE(PaintAreaOf(*a).wholeCanvas);
}
