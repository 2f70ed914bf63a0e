#include "maps/FuelMap.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

using test::UnchangedOutside;

class FuelMapTest : public testing::TestWithParam<ImageLayout> {
protected:
    EditorState state = test::PatternState(GetParam());
    test::MemoryGrid grid;
    const std::size_t start = GetParam() == ShiftedLayout ? 29115 : 29090;

    std::uint8_t& Byte(int row, int column) { return state.image[start + 13 * row + column]; }
    std::uint8_t& Byte(int box) { return Byte(BoxRow(box), BoxColumn(box)); }
    void SetEveryByte(std::uint8_t value)
    {
        for (int offset = 0; offset < FuelMapBytes; ++offset) state.image[start + offset] = value;
    }
    // The 130 boxes whose bytes the user types.
    static bool IsTyped(int box) { return !IsFuelBlankColumnBox(box) && !IsFuelZeroBox(box); }
};

INSTANTIATE_TEST_SUITE_P(BothLayouts, FuelMapTest, testing::Values(BaseLayout, ShiftedLayout),
                         [](const auto& info) { return info.param == BaseLayout ? "Base" : "Shifted"; });

TEST(FuelRegionsTest, HaveTheirSizesAndBoxes)
{
    int held = 0, zero = 0, blank = 0;
    for (int box = 1; box <= GridBoxCount; ++box) {
        held += IsFuelHeldBox(box);
        zero += IsFuelZeroBox(box);
        blank += IsFuelBlankColumnBox(box);
        if (IsFuelHeldBox(box)) {
            EXPECT_TRUE(IsFuelZeroBox(box)) << box;
        }
    }
    EXPECT_EQ(held, 40);
    EXPECT_EQ(zero, 78);
    EXPECT_EQ(blank, 16);
    for (int box : {1, 8, 57, 64}) EXPECT_TRUE(IsFuelHeldBox(box)) << box;
    for (int box : {71, 78, 120, 127, 132}) EXPECT_TRUE(IsFuelZeroBox(box) && !IsFuelHeldBox(box)) << box;
    for (int box : {9, 65, 121, 133, 141}) EXPECT_FALSE(IsFuelZeroBox(box)) << box;
    for (int box : {14, 28, 210, 224}) EXPECT_TRUE(IsFuelBlankColumnBox(box)) << box;
}

TEST_P(FuelMapTest, ShowZeroesTheHeldBlockShowsTheRestAndBlanksColumn14)
{
    SetEveryByte(255);
    const ImageBuffer before = state.image;
    state.cellWalk = 7;

    ShowFuelMap(state, grid);

    EXPECT_TRUE(UnchangedOutside(before, state.image, start, FuelMapBytes));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) {
            ASSERT_EQ(grid.CellText(box), "") << box;
        } else if (IsFuelHeldBox(box)) {
            ASSERT_EQ(Byte(box), 0) << box;
            ASSERT_EQ(grid.CellText(box), "0") << box;
        } else {
            ASSERT_EQ(Byte(box), 255) << box;
            ASSERT_EQ(grid.CellText(box), "255") << box;
        }
    }
}

TEST_P(FuelMapTest, RaiseAndLowerShiftTheMapAndZeroTheRegion)
{
    for (int offset = 0; offset < FuelMapBytes; ++offset) state.image[start + offset] = 100 + offset % 50;
    Byte(15, 12) = 254;
    Byte(10, 0) = 0;
    Byte(9, 5) = 255;  // zero region: forced to 0, so it never blocks a raise
    const ImageBuffer before = state.image;

    ASSERT_EQ(RaiseFuelBytes(state), std::nullopt);
    ZeroAndShowFuelMap(state, grid);

    EXPECT_TRUE(UnchangedOutside(before, state.image, start, FuelMapBytes));
    EXPECT_EQ(Byte(15, 12), 255);
    EXPECT_EQ(Byte(10, 0), 1);
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) continue;
        ASSERT_EQ(Byte(box), IsFuelZeroBox(box) ? 0 : before[start + 13 * BoxRow(box) + BoxColumn(box)] + 1) << box;
        ASSERT_EQ(grid.CellText(box), std::to_string(Byte(box))) << box;
    }

    LowerFuelBytes(state);
    LowerFuelBytes(state);
    ZeroAndShowFuelMap(state, grid);
    EXPECT_EQ(Byte(10, 0), 0);  // stops at 0
    EXPECT_EQ(Byte(15, 12), 253);
    EXPECT_EQ(grid.CellText(BoxNumber(15, 12)), "253");
    EXPECT_EQ(grid.CellText(14), "");
}

TEST_P(FuelMapTest, LowerOfAnAllZeroMapChangesNothing)
{
    SetEveryByte(0);
    const ImageBuffer before = state.image;
    LowerFuelBytes(state);
    ZeroAndShowFuelMap(state, grid);
    EXPECT_EQ(state.image, before);
}

TEST_P(FuelMapTest, RaiseWithATypedByteAt255ChangesNothing)
{
    SetEveryByte(10);
    Byte(12, 3) = 255;
    Byte(14, 0) = 255;
    ShowFuelMap(state, grid);
    const ImageBuffer before = state.image;
    const auto texts = grid.texts();

    EXPECT_EQ(RaiseFuelBytes(state), (CellRefusal{CellRefusalReason::Above255, BoxNumber(12, 3)}));
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(grid.texts(), texts);
}

TEST_P(FuelMapTest, WriteBackRightAfterShowZeroesOnlyTheRestOfTheRegion)
{
    SetEveryByte(200);
    ShowFuelMap(state, grid);
    const ImageBuffer shown = state.image;

    ASSERT_EQ(WriteBackFuelMap(state, grid), std::nullopt);

    EXPECT_TRUE(UnchangedOutside(shown, state.image, start, FuelMapBytes));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) continue;
        const bool zeroed = IsFuelZeroBox(box) && !IsFuelHeldBox(box);
        ASSERT_EQ(Byte(box), zeroed ? 0 : shown[start + 13 * BoxRow(box) + BoxColumn(box)]) << box;
        ASSERT_EQ(grid.CellText(box), std::to_string(Byte(box))) << box;
    }
}

TEST_P(FuelMapTest, WriteBackStoresEveryTypedRowAtItsOwnBytes)
{
    SetEveryByte(50);
    ShowFuelMap(state, grid);
    for (int box = 1; box <= GridBoxCount; ++box) grid.SetCellText(box, std::to_string(box % 200));
    grid.SetCellText(BoxNumber(15, 12), "\uFF12\uFF15\uFF15");  // the map's last byte

    ASSERT_EQ(WriteBackFuelMap(state, grid), std::nullopt);

    EXPECT_EQ(state.image[start + 207], 255);
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) {
            ASSERT_EQ(grid.CellText(box), "") << box;  // typed, never stored, blanked again
        } else if (IsFuelHeldBox(box)) {
            ASSERT_EQ(Byte(box), 0) << box;  // the show zeroed it; typing there is undone
            ASSERT_EQ(grid.CellText(box), "0") << box;
        } else if (IsFuelZeroBox(box)) {
            ASSERT_EQ(Byte(box), 0) << box;
            ASSERT_EQ(grid.CellText(box), "0") << box;
        } else if (box != BoxNumber(15, 12)) {
            ASSERT_EQ(Byte(box), box % 200) << box;
        }
    }
    ShowFuelMap(state, grid);
    EXPECT_EQ(grid.CellText(BoxNumber(10, 4)), std::to_string(BoxNumber(10, 4) % 200));
}

TEST_P(FuelMapTest, WriteBackWithAnInvalidCellChangesNothing)
{
    ShowFuelMap(state, grid);
    grid.SetCellText(85, "5");     // would become "0" in a write-back that went ahead
    grid.SetCellText(71, "junk");  // zero region: never refused
    grid.SetCellText(14, "junk");  // 14th column: never read
    grid.SetCellText(BoxNumber(11, 2), "1.5");
    grid.SetCellText(BoxNumber(13, 2), "-1");
    const ImageBuffer before = state.image;
    const auto texts = grid.texts();

    EXPECT_EQ(WriteBackFuelMap(state, grid), (CellRefusal{CellRefusalReason::InvalidNumber, BoxNumber(11, 2)}));

    EXPECT_EQ(state.image, before);
    EXPECT_EQ(grid.texts(), texts);
}

}  // namespace
}  // namespace qz7t
