#include "maps/IgnitionMap.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

using test::UnchangedOutside;

class IgnitionMapTest : public testing::TestWithParam<ImageLayout> {
protected:
    EditorState state = test::PatternState(GetParam());
    test::MemoryGrid grid;
    const std::size_t start = GetParam() == ShiftedLayout ? 29886 : 29861;

    std::uint8_t& Byte(int box) { return state.image[start + box - 1]; }
    void Raise()
    {
        ASSERT_EQ(RaiseIgnitionBytes(state), std::nullopt);
        PinAndShowIgnitionMap(state, grid);
    }
    void Lower()
    {
        ASSERT_EQ(LowerIgnitionBytes(state), std::nullopt);
        PinAndShowIgnitionMap(state, grid);
    }
    void SetEveryByte(std::uint8_t value)
    {
        for (int box = 1; box <= GridBoxCount; ++box) Byte(box) = value;
    }
};

INSTANTIATE_TEST_SUITE_P(BothLayouts, IgnitionMapTest, testing::Values(BaseLayout, ShiftedLayout),
                         [](const auto& info) { return info.param == BaseLayout ? "Base" : "Shifted"; });

TEST_P(IgnitionMapTest, ShowFillsEveryCellInWalkOrderAndChangesNoByte)
{
    Byte(1) = 90;
    const ImageBuffer before = state.image;
    state.cellWalk = 12345;  // whatever an earlier operation left is never used

    ShowIgnitionMap(state, grid);

    EXPECT_EQ(state.image, before);
    EXPECT_EQ(grid.CellText(1), "90");
    for (int box = 1; box <= GridBoxCount; ++box) ASSERT_EQ(grid.CellText(box), std::to_string(Byte(box)));
}

TEST_P(IgnitionMapTest, RaiseAndLowerShiftEveryByteAndPinSeven)
{
    SetEveryByte(100);
    Byte(3) = 254;
    Byte(224) = 1;
    Byte(1) = 255;  // pinned: forced to 86 whatever it held, so it never blocks
    Byte(43) = 0;
    const ImageBuffer before = state.image;

    Raise();
    EXPECT_TRUE(UnchangedOutside(before, state.image, start, 224));
    EXPECT_EQ(Byte(3), 255);
    EXPECT_EQ(Byte(224), 2);
    EXPECT_EQ(Byte(200), 101);
    for (int box = 1; box <= GridBoxCount; ++box) {
        ASSERT_EQ(Byte(box) == 86, IsIgnitionPinnedBox(box)) << "box " << box;
        ASSERT_EQ(grid.CellText(box), std::to_string(Byte(box)));
    }

    Lower();
    Lower();
    EXPECT_EQ(Byte(224), 0);
    Raise();
    for (int box = 1; box <= GridBoxCount; ++box) {
        ASSERT_EQ(Byte(box), IsIgnitionPinnedBox(box) ? 86 : before[start + box - 1]) << "box " << box;
    }
}

TEST_P(IgnitionMapTest, StepThatWouldLeaveTheByteRangeChangesNothing)
{
    struct Case {
        MapResult (*step)(EditorState&);
        std::uint8_t limit;
        CellRefusalReason reason;
    };
    for (const Case c : {Case{RaiseIgnitionBytes, 255, CellRefusalReason::Above255},
                         Case{LowerIgnitionBytes, 0, CellRefusalReason::Below0}}) {
        SetEveryByte(100);
        Byte(50) = c.limit;
        Byte(120) = c.limit;
        Byte(2) = c.limit;  // pinned: never blocks
        ShowIgnitionMap(state, grid);
        const ImageBuffer before = state.image;
        const auto texts = grid.texts();

        EXPECT_EQ(c.step(state), (CellRefusal{c.reason, 50}));
        EXPECT_EQ(state.image, before);
        EXPECT_EQ(grid.texts(), texts);
    }
}

TEST_P(IgnitionMapTest, WriteBackStoresTypedCellsAndPinsSeven)
{
    ShowIgnitionMap(state, grid);
    const ImageBuffer shown = state.image;
    grid.SetCellText(1, "100");       // pinned: stores 86 and shows "86" again
    grid.SetCellText(43, "junk");     // pinned: never refused
    grid.SetCellText(3, "100");
    grid.SetCellText(224, "\uFF17");  // full-width 7
    grid.SetCellText(100, " 007 ");

    ASSERT_EQ(WriteBackIgnitionMap(state, grid), std::nullopt);

    EXPECT_TRUE(UnchangedOutside(shown, state.image, start, 224));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsIgnitionPinnedBox(box)) {
            ASSERT_EQ(Byte(box), 86);
            ASSERT_EQ(grid.CellText(box), "86");
        }
    }
    EXPECT_EQ(Byte(3), 100);
    EXPECT_EQ(Byte(224), 7);
    EXPECT_EQ(Byte(100), 7);
    EXPECT_EQ(grid.CellText(100), " 007 ");
    EXPECT_EQ(Byte(4), shown[start + 3]);
}

TEST_P(IgnitionMapTest, WriteBackWithAnInvalidCellChangesNothing)
{
    ShowIgnitionMap(state, grid);
    grid.SetCellText(1, "999");  // a pinned cell's text is not restored by a refused write-back
    grid.SetCellText(3, "12");
    grid.SetCellText(60, "256");
    grid.SetCellText(70, "");
    const ImageBuffer before = state.image;
    const auto texts = grid.texts();

    EXPECT_EQ(WriteBackIgnitionMap(state, grid), (CellRefusal{CellRefusalReason::InvalidNumber, 60}));

    EXPECT_EQ(state.image, before);
    EXPECT_EQ(grid.texts(), texts);
}

}  // namespace
}  // namespace qz7t
