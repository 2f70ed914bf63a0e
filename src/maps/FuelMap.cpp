#include "maps/FuelMap.h"

#include "maps/CellText.h"
#include "maps/CellWalk.h"

namespace qz7t {

namespace {

std::size_t MapStart(const EditorState& state) { return FuelMapPosition(*state.layout); }

// The map byte a box shows, counted from the map's start; the 14th column has none.
std::size_t FuelOffset(int box) { return static_cast<std::size_t>(FuelMapColumns * BoxRow(box) + BoxColumn(box)); }

bool IsFuelTypedBox(int box) { return !IsFuelBlankColumnBox(box) && !IsFuelZeroBox(box); }

// Shows the whole map, storing 0 first in every box that `zeroed` selects.
void ShowFuelMapZeroing(EditorState& state, MapGrid& grid, bool (*zeroed)(int box))
{
    StartWalk(state, MapStart(state));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) {
            BlankCell(grid, box);
        } else if (zeroed(box)) {
            PinAndShowCell(state, grid, box, 0);
        } else {
            ShowCell(state, grid, box);
        }
    }
}

}  // namespace

bool IsFuelBlankColumnBox(int box) { return BoxColumn(box) == GridColumns - 1; }

bool IsFuelHeldBox(int box) { return BoxRow(box) <= 4 && BoxColumn(box) <= 7; }

bool IsFuelZeroBox(int box)
{
    const int row = BoxRow(box);
    const int column = BoxColumn(box);
    return (row <= 8 && column <= 7) || (row == 9 && column <= 5);
}

void ShowFuelMap(EditorState& state, MapGrid& grid) { ShowFuelMapZeroing(state, grid, IsFuelHeldBox); }

MapResult RaiseFuelBytes(EditorState& state)
{
    const std::size_t start = MapStart(state);
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelTypedBox(box) && state.image[start + FuelOffset(box)] == 255) {
            return CellRefusal{CellRefusalReason::Above255, box};
        }
    }
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) continue;
        auto& byte = state.image[start + FuelOffset(box)];
        byte = IsFuelZeroBox(box) ? 0 : byte + 1;
    }
    return std::nullopt;
}

void LowerFuelBytes(EditorState& state)
{
    const std::size_t start = MapStart(state);
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) continue;
        auto& byte = state.image[start + FuelOffset(box)];
        byte = IsFuelZeroBox(box) || byte == 0 ? 0 : byte - 1;
    }
}

void ZeroAndShowFuelMap(EditorState& state, MapGrid& grid) { ShowFuelMapZeroing(state, grid, IsFuelZeroBox); }

MapResult WriteBackFuelMap(EditorState& state, MapGrid& grid)
{
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelTypedBox(box) && !CellTextToByte(grid.CellText(box))) {
            return CellRefusal{CellRefusalReason::InvalidNumber, box};
        }
    }
    const std::string zero = ByteToCellText(0);
    // Rows 6 to 9 of the zero region get their "0" before the walk, row 5 during it.
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelZeroBox(box) && BoxRow(box) >= 6) grid.SetCellText(box, zero);
    }
    StartWalk(state, MapStart(state));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsFuelBlankColumnBox(box)) {
            BlankCell(grid, box);
        } else if (IsFuelHeldBox(box)) {
            ShowCell(state, grid, box);
        } else {
            if (IsFuelZeroBox(box) && BoxRow(box) == 5) grid.SetCellText(box, zero);
            ReadCell(state, grid, box);
        }
    }
    return std::nullopt;
}

}  // namespace qz7t
