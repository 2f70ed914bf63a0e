#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qz7t {

std::string ByteToCellText(std::uint8_t value);

// A whole number from 0 to 255 in ASCII or full-width digits, spaces around it allowed.
std::optional<std::uint8_t> CellTextToByte(std::string_view text);

}  // namespace qz7t
