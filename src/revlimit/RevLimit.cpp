#include "revlimit/RevLimit.h"

#include <cmath>

namespace qz7t {

namespace {

void WriteRevLimitPeriod(EditorState& state, std::uint16_t period)
{
    state.image[RevLimitHighPosition(*state.layout)] = static_cast<std::uint8_t>(period >> 8);
    state.image[RevLimitLowPosition(*state.layout)] = static_cast<std::uint8_t>(period & 0xFF);
}

}  // namespace

std::optional<int> RevLimitRpm(std::uint16_t period)
{
    if (period == 0) return std::nullopt;
    // nearbyint rounds in the default to-nearest mode, which sends halves to the even neighbour.
    return static_cast<int>(std::nearbyint(RevLimitDividend / period));
}

std::uint16_t ReadRevLimitPeriod(const EditorState& state)
{
    return static_cast<std::uint16_t>(state.image[RevLimitHighPosition(*state.layout)] << 8
                                      | state.image[RevLimitLowPosition(*state.layout)]);
}

std::string ShowRevLimit(const EditorState& state)
{
    const auto rpm = RevLimitRpm(ReadRevLimitPeriod(state));
    return rpm ? std::to_string(*rpm) : std::string();
}

RevLimitStep StepRevLimitUp(EditorState& state)
{
    const std::uint16_t period = ReadRevLimitPeriod(state);
    if (period <= 1) return RevLimitStep::OutOfRange;
    WriteRevLimitPeriod(state, period - 1);
    return RevLimitStep::Stepped;
}

RevLimitStep StepRevLimitDown(EditorState& state)
{
    const std::uint16_t period = ReadRevLimitPeriod(state);
    if (period == 0xFFFF) return RevLimitStep::OutOfRange;
    WriteRevLimitPeriod(state, period + 1);
    return RevLimitStep::Stepped;
}

}  // namespace qz7t
