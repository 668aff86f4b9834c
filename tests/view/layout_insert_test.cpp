#include "document/layout_file.h"
#include "view/discwright_view.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

namespace {

struct LayoutInsertTest : ::testing::Test {
    TempProgramFolder program;
    CDiscwrightDoc doc{program.DefaultStocks()};
    CDiscwrightView view{doc};

    void SetUp() override {
        qputenv("LUMVANE_HOME", program.Path().toUtf8());
        ASSERT_TRUE(doc.OnNewDocument());
        view.resize(800, 600);
    }
    void TearDown() override { qunsetenv("LUMVANE_HOME"); }

    // A layout of the front face made from two shapes, the first selected.
    QString MakeLayout() {
        Face& front = doc.GetFace(kFrontFace);
        front.AppendObject(Shape(1000, 0x0000FF));
        front.AppendObject(Shape(2000, 0x00FF00));
        front.Select(front.Objects().front().get());
        QString error;
        EXPECT_TRUE(ExportLayout(doc, kFrontFace, QStringLiteral("Two"), &error));
        front.Clear();
        return LayoutFilePath(kFrontFace, QStringLiteral("Two"));
    }
    static std::unique_ptr<CShape> Shape(int at, quint32 fill) {
        return std::make_unique<CShape>(at, -at, at + 1000, -at - 1000, CShape::kRectangle, fill,
                                        0);
    }
    // Each object's fill colour and from-layout flag, bottom to top.
    std::vector<std::pair<quint32, int>> Stack() const {
        std::vector<std::pair<quint32, int>> out;
        for (const auto& object : doc.GetFace(kFrontFace).Objects())
            out.emplace_back(dynamic_cast<const CShape&>(*object).FillColour(),
                             object->FromLayout());
        return out;
    }
};

using Content = std::vector<std::pair<quint32, int>>;

} // namespace

TEST_F(LayoutInsertTest, GoesUnderTheUsersObjectsReplacesTheLastInsertionAndUndoesInOneStep) {
    const QString path = MakeLayout();
    doc.SetActiveFace(kFrontFace);
    Face& front = doc.GetFace(kFrontFace);
    front.AppendObject(Shape(5000, 0xAAAAAA));
    front.Select(front.Objects().back().get());
    ASSERT_TRUE(doc.CheckPoint());
    const int undoBefore = doc.UndoCount();

    ASSERT_TRUE(view.InsertLayout(path));
    EXPECT_EQ(Stack(), (Content{{0x0000FF, 1}, {0x00FF00, 1}, {0xAAAAAA, 0}}));
    EXPECT_TRUE(front.Selection().empty());
    for (const auto& object : front.Objects())
        EXPECT_EQ(object->Selected(), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoCount(), undoBefore + 1);

    // A second insertion replaces the first; what the user drew meanwhile stays.
    front.AppendObject(Shape(7000, 0x123456));
    ASSERT_TRUE(view.InsertLayout(path));
    EXPECT_EQ(Stack(), (Content{{0x0000FF, 1}, {0x00FF00, 1}, {0xAAAAAA, 0}, {0x123456, 0}}));

    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Stack(), (Content{{0xAAAAAA, 0}}));
}

TEST_F(LayoutInsertTest, DamagedOrMissingLayoutLeavesTheFaceAsItWas) {
    const QString path = MakeLayout();
    doc.SetActiveFace(kFrontFace);
    ASSERT_TRUE(view.InsertLayout(path));
    doc.GetFace(kFrontFace).AppendObject(Shape(5000, 0xAAAAAA));
    const Content before = Stack();
    const int undoBefore = doc.UndoCount();

    const QByteArray whole = ReadWholeFile(path);
    const QString damaged = program.File(QStringLiteral("damaged.lay"));
    WriteTextFile(damaged, whole.left(whole.size() - 10));
    QString error;
    EXPECT_FALSE(view.InsertLayout(damaged, &error));
    EXPECT_TRUE(error.contains(damaged)) << error.toStdString();
    EXPECT_FALSE(view.InsertLayout(program.File(QStringLiteral("none.lay")), &error));
    EXPECT_TRUE(error.isEmpty()); // a thumbnail without its layout: nothing to say

    EXPECT_EQ(Stack(), before);
    EXPECT_EQ(doc.UndoCount(), undoBefore);
}
