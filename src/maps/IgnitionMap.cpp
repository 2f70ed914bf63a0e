#include "maps/IgnitionMap.h"

#include "maps/CellText.h"
#include "maps/CellWalk.h"

#include <algorithm>
#include <array>

namespace qz7t {

namespace {

// The first two columns of rows 0 to 2 and the first column of row 3.
constexpr std::array<int, 7> IgnitionPinnedBoxes{1, 2, 15, 16, 29, 30, 43};

std::size_t MapStart(const EditorState& state) { return IgnitionMapPosition(*state.layout); }

MapResult ShiftIgnitionBytes(EditorState& state, int delta, CellRefusalReason limit)
{
    const std::size_t start = MapStart(state);
    for (int box = 1; box <= GridBoxCount; ++box) {
        const int shifted = state.image[start + box - 1] + delta;
        if (!IsIgnitionPinnedBox(box) && (shifted < 0 || shifted > 255)) return CellRefusal{limit, box};
    }
    for (int box = 1; box <= GridBoxCount; ++box) {
        auto& byte = state.image[start + box - 1];
        byte = IsIgnitionPinnedBox(box) ? IgnitionPinValue : static_cast<std::uint8_t>(byte + delta);
    }
    return std::nullopt;
}

}  // namespace

bool IsIgnitionPinnedBox(int box) { return std::ranges::find(IgnitionPinnedBoxes, box) != IgnitionPinnedBoxes.end(); }

void ShowIgnitionMap(EditorState& state, MapGrid& grid)
{
    StartWalk(state, MapStart(state));
    for (int box = 1; box <= GridBoxCount; ++box) ShowCell(state, grid, box);
}

MapResult RaiseIgnitionBytes(EditorState& state) { return ShiftIgnitionBytes(state, +1, CellRefusalReason::Above255); }

MapResult LowerIgnitionBytes(EditorState& state) { return ShiftIgnitionBytes(state, -1, CellRefusalReason::Below0); }

void PinAndShowIgnitionMap(EditorState& state, MapGrid& grid)
{
    StartWalk(state, MapStart(state));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsIgnitionPinnedBox(box)) {
            PinAndShowCell(state, grid, box, IgnitionPinValue);
        } else {
            ShowCell(state, grid, box);
        }
    }
}

MapResult WriteBackIgnitionMap(EditorState& state, MapGrid& grid)
{
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (!IsIgnitionPinnedBox(box) && !CellTextToByte(grid.CellText(box))) {
            return CellRefusal{CellRefusalReason::InvalidNumber, box};
        }
    }
    StartWalk(state, MapStart(state));
    for (int box = 1; box <= GridBoxCount; ++box) {
        if (IsIgnitionPinnedBox(box)) grid.SetCellText(box, ByteToCellText(IgnitionPinValue));
        ReadCell(state, grid, box);
    }
    return std::nullopt;
}

}  // namespace qz7t
