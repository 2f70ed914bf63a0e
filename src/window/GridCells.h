#pragma once

#include "maps/MapGrid.h"

#include <array>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace qz7t {

class CellBox;

// The 224 boxes Text1 to Text224 of the window, seen by the map operations as their grid.
class GridCells final : public MapGrid {
public:
    // Creates the boxes as children of the window, in place and with their start texts.
    explicit GridCells(QWidget* window);

    std::string CellText(int box) const override;
    void SetCellText(int box, std::string_view text) override;

    QLineEdit* cell(int box) const;
    // Puts the keyboard focus on the box and selects its text.
    void focusCell(int box) const;

private:
    std::array<CellBox*, GridBoxCount> cells_{};
};

}  // namespace qz7t
