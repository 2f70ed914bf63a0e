#include "image/ImageLayout.h"

namespace qz7t {

std::optional<ImageLayout> RecognizeLayout(std::uint8_t firstByte)
{
    if (firstByte == BaseLayoutMark) return BaseLayout;
    if (firstByte == ShiftedLayoutMark) return ShiftedLayout;
    return std::nullopt;
}

std::size_t FuelMapPosition(const ImageLayout& layout) { return FuelMapStart + layout.mapShift; }
std::size_t IgnitionMapPosition(const ImageLayout& layout) { return IgnitionMapStart + layout.mapShift; }
std::size_t RevLimitHighPosition(const ImageLayout& layout) { return RevLimitHighIndex + layout.revLimitShift; }
std::size_t RevLimitLowPosition(const ImageLayout& layout) { return RevLimitLowIndex + layout.revLimitShift; }
std::size_t ClearedBytePosition(const ImageLayout& layout) { return ClearedByteBase + layout.mapShift; }

}  // namespace qz7t
