#pragma once

#include <optional>

namespace qz7t {

enum class CellRefusalReason {
    InvalidNumber,  // a write-back met a text that is no whole number from 0 to 255
    Above255,       // a raise would carry a byte past 255
    Below0,         // a lower would take a byte below 0
};

// Why a map operation changed nothing, and the first box (1 to 224) in walk order to blame.
struct CellRefusal {
    CellRefusalReason reason;
    int box;
    friend bool operator==(const CellRefusal&, const CellRefusal&) = default;
};

using MapResult = std::optional<CellRefusal>;

}  // namespace qz7t
