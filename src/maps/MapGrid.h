#pragma once

#include <string>
#include <string_view>

namespace qz7t {

inline constexpr int GridRows = 16;
inline constexpr int GridColumns = 14;
inline constexpr int GridBoxCount = GridRows * GridColumns;

// Box number (1 to 224) of the cell in row r, column c, both counted from 0.
constexpr int BoxNumber(int row, int column) { return GridColumns * row + column + 1; }
constexpr int BoxRow(int box) { return (box - 1) / GridColumns; }
constexpr int BoxColumn(int box) { return (box - 1) % GridColumns; }

// The 16 x 14 text boxes a map is shown in; texts are UTF-8.
class MapGrid {
public:
    virtual ~MapGrid() = default;
    virtual std::string CellText(int box) const = 0;
    virtual void SetCellText(int box, std::string_view text) = 0;
};

}  // namespace qz7t
