#pragma once

#include "image/EditorState.h"
#include "maps/MapGrid.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qz7t {

// The steps every map operation is built from; the advancing ones move state.cellWalk on by one.
void StartWalk(EditorState& state, std::size_t position);
void ShowCell(EditorState& state, MapGrid& grid, int box);
void PinAndShowCell(EditorState& state, MapGrid& grid, int box, std::uint8_t value);
// The cell's text must already have been accepted by CellTextToByte.
void ReadCell(EditorState& state, const MapGrid& grid, int box);
void BlankCell(MapGrid& grid, int box);

}  // namespace qz7t
