#include "maps/CellWalk.h"

#include "maps/CellText.h"

#include <cassert>

namespace qz7t {

void StartWalk(EditorState& state, std::size_t position) { state.cellWalk = position; }

void ShowCell(EditorState& state, MapGrid& grid, int box)
{
    grid.SetCellText(box, ByteToCellText(state.image[state.cellWalk]));
    ++state.cellWalk;
}

void PinAndShowCell(EditorState& state, MapGrid& grid, int box, std::uint8_t value)
{
    state.image[state.cellWalk] = value;
    ShowCell(state, grid, box);
}

void ReadCell(EditorState& state, const MapGrid& grid, int box)
{
    const auto value = CellTextToByte(grid.CellText(box));
    assert(value && "write-backs check every cell before they read one");
    if (value) state.image[state.cellWalk] = *value;
    ++state.cellWalk;
}

void BlankCell(MapGrid& grid, int box) { grid.SetCellText(box, ""); }

}  // namespace qz7t
