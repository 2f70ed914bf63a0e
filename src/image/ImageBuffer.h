#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qz7t {

inline constexpr std::size_t ImageBufferSize = 131073;
// The image proper: the bytes a save writes and every position the maps and rev limit use.
inline constexpr std::size_t ImageSize = 32768;
inline constexpr std::size_t MaxImageFileSize = 131072;

using ImageBuffer = std::array<std::uint8_t, ImageBufferSize>;

}  // namespace qz7t
