#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace qz7t {

struct ImageLayout {
    int mapShift = 0;
    int revLimitShift = 0;
    friend bool operator==(const ImageLayout&, const ImageLayout&) = default;
};

inline constexpr ImageLayout BaseLayout{0, 0};
inline constexpr ImageLayout ShiftedLayout{25, -1};

inline constexpr std::uint8_t BaseLayoutMark = 0x40;
inline constexpr std::uint8_t ShiftedLayoutMark = 0x50;

inline constexpr std::size_t FuelMapStart = 29090;
inline constexpr std::size_t IgnitionMapStart = 29861;
inline constexpr std::size_t RevLimitHighIndex = 27946;
inline constexpr std::size_t RevLimitLowIndex = 27947;
inline constexpr std::size_t ClearedByteBase = 31519;

// The layout that an image's first byte announces; none for any other byte.
std::optional<ImageLayout> RecognizeLayout(std::uint8_t firstByte);

std::size_t FuelMapPosition(const ImageLayout& layout);
std::size_t IgnitionMapPosition(const ImageLayout& layout);
std::size_t RevLimitHighPosition(const ImageLayout& layout);
std::size_t RevLimitLowPosition(const ImageLayout& layout);
std::size_t ClearedBytePosition(const ImageLayout& layout);

}  // namespace qz7t
