#pragma once

#include "maps/MapGrid.h"

#include <array>
#include <string>
#include <string_view>

namespace qz7t::test {

// A grid of plain strings, starting with the window's placeholder texts.
class MemoryGrid : public MapGrid {
public:
    MemoryGrid()
    {
        for (int box = 1; box <= GridBoxCount; ++box) texts_[box - 1] = "Text" + std::to_string(box);
    }
    std::string CellText(int box) const override { return texts_.at(box - 1); }
    void SetCellText(int box, std::string_view text) override { texts_.at(box - 1) = std::string(text); }
    const std::array<std::string, GridBoxCount>& texts() const { return texts_; }

private:
    std::array<std::string, GridBoxCount> texts_;
};

}  // namespace qz7t::test
