#pragma once

#include "image/EditorState.h"
#include "maps/CellRefusal.h"
#include "maps/MapGrid.h"

#include <cstdint>

namespace qz7t {

inline constexpr std::uint8_t IgnitionPinValue = 86;
bool IsIgnitionPinnedBox(int box);

// All of these need state.layout to be set.
void ShowIgnitionMap(EditorState& state, MapGrid& grid);

// Whole-map steps in two halves, so the window can clear its status line between them:
// the byte loop (checked first; a refusal changes nothing), then the walk that pins and shows.
MapResult RaiseIgnitionBytes(EditorState& state);
MapResult LowerIgnitionBytes(EditorState& state);
void PinAndShowIgnitionMap(EditorState& state, MapGrid& grid);

// Every cell read is checked first; a refusal changes no byte and no cell text.
MapResult WriteBackIgnitionMap(EditorState& state, MapGrid& grid);

}  // namespace qz7t
