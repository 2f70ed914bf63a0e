#include "maps/CellText.h"

namespace qz7t {

namespace {

// UTF-8 forms of the ideographic space and of the full-width digits ０ to ９ (U+FF10 to U+FF19).
constexpr std::string_view IdeographicSpace = "\xE3\x80\x80";
constexpr std::string_view FullWidthDigitPrefix = "\xEF\xBC";
constexpr unsigned char FullWidthZeroLastByte = 0x90;

std::string_view TrimSpaces(std::string_view text)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view space : {std::string_view(" "), std::string_view("\t"), IdeographicSpace}) {
            if (text.starts_with(space)) text.remove_prefix(space.size()), trimmed = true;
            if (text.ends_with(space)) text.remove_suffix(space.size()), trimmed = true;
        }
    }
    return text;
}

// The value of the digit at the front of `text` and its length in bytes, or {-1, 0}.
std::pair<int, std::size_t> LeadingDigit(std::string_view text)
{
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') return {text[0] - '0', 1};
    if (text.size() >= 3 && text.starts_with(FullWidthDigitPrefix)) {
        const int digit = static_cast<unsigned char>(text[2]) - FullWidthZeroLastByte;
        if (digit >= 0 && digit <= 9) return {digit, 3};
    }
    return {-1, 0};
}

}  // namespace

std::string ByteToCellText(std::uint8_t value) { return std::to_string(value); }

std::optional<std::uint8_t> CellTextToByte(std::string_view text)
{
    text = TrimSpaces(text);
    if (text.empty()) return std::nullopt;
    int value = 0;
    while (!text.empty()) {
        const auto [digit, length] = LeadingDigit(text);
        if (digit < 0) return std::nullopt;
        value = value * 10 + digit;
        if (value > 255) return std::nullopt;
        text.remove_prefix(length);
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace qz7t
