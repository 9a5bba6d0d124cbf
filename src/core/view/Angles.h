#pragma once

#include <numbers>

namespace zelpor {

// Angles are stored and typed in degrees; the trigonometry takes radians.
inline constexpr double kDegToRad = std::numbers::pi / 180.0;

}  // namespace zelpor
