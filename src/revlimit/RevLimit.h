#pragma once

#include "image/EditorState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qz7t {

inline constexpr double RevLimitDividend = 15'000'000.0;

// 15,000,000 / period to the nearest whole number, halves to even; none for a period of 0.
std::optional<int> RevLimitRpm(std::uint16_t period);

// These need state.layout to be set.
std::uint16_t ReadRevLimitPeriod(const EditorState& state);
// The text of the rev-limit box: the speed in decimal, or empty when the period is 0.
std::string ShowRevLimit(const EditorState& state);

enum class RevLimitStep { Stepped, OutOfRange };
// "Up" shortens the period by one (higher speed), "down" lengthens it; neither lets it reach 0 or wrap.
RevLimitStep StepRevLimitUp(EditorState& state);
RevLimitStep StepRevLimitDown(EditorState& state);

}  // namespace qz7t
