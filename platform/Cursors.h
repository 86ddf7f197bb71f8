// Mouse cursor shapes as the platform numbers them: 0 the default, negative numbers for the
// stock shapes.
#pragma once

#include <cstdint>

namespace mirevo {

using TCursor = std::int16_t;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crMultiDrag = -16;

}  // namespace mirevo
