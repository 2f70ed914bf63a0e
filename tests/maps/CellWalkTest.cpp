#include "maps/CellWalk.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace qz7t {
namespace {

TEST(CellWalkTest, StepsMoveTheIndexAndTheBytesAsTheySay)
{
    EditorState state = test::PatternState(BaseLayout);
    test::MemoryGrid grid;
    state.image[1000] = 9;
    state.image[1001] = 200;

    StartWalk(state, 1000);
    ShowCell(state, grid, 1);
    BlankCell(grid, 2);
    PinAndShowCell(state, grid, 3, 86);
    EXPECT_EQ(state.cellWalk, 1002u);
    EXPECT_EQ(grid.CellText(1), "9");
    EXPECT_EQ(grid.CellText(2), "");
    EXPECT_EQ(grid.CellText(3), "86");
    EXPECT_EQ(state.image[1000], 9);
    EXPECT_EQ(state.image[1001], 86);

    // A shown cell reads back as the very byte it showed; a typed one as what was typed.
    grid.SetCellText(3, "200");
    StartWalk(state, 1000);
    ReadCell(state, grid, 1);
    ReadCell(state, grid, 3);
    EXPECT_EQ(state.image[1000], 9);
    EXPECT_EQ(state.image[1001], 200);
    EXPECT_EQ(grid.CellText(3), "200");
    EXPECT_EQ(state.cellWalk, 1002u);
}

}  // namespace
}  // namespace qz7t
