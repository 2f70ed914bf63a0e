#pragma once

#include "image/EditorState.h"
#include "maps/CellRefusal.h"
#include "maps/MapGrid.h"

namespace qz7t {

inline constexpr int FuelMapColumns = 13;
inline constexpr int FuelMapBytes = 16 * FuelMapColumns;

bool IsFuelHeldBox(int box);
bool IsFuelZeroBox(int box);        // the whole zero region, the held block included
bool IsFuelBlankColumnBox(int box); // the grid's 14th column, which has no fuel byte

// All of these need state.layout to be set.
void ShowFuelMap(EditorState& state, MapGrid& grid);

// Whole-map steps in two halves, as for the ignition map; lowering stops at 0 and cannot fail.
MapResult RaiseFuelBytes(EditorState& state);
void LowerFuelBytes(EditorState& state);
void ZeroAndShowFuelMap(EditorState& state, MapGrid& grid);

MapResult WriteBackFuelMap(EditorState& state, MapGrid& grid);

}  // namespace qz7t
