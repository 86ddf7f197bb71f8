// ServerNumber: the impression-pixel server of one run, www10 to www28.
#pragma once

#include <cstdint>

namespace mirevo {

inline constexpr std::int32_t kFirstServerNumber = 10;
inline constexpr std::int32_t kLastServerNumber = 28;

// Re-seeds a generator from seed (the clock's count, one per run) and draws uniformly from
// kFirstServerNumber..kLastServerNumber.
std::int32_t DrawServerNumber(std::uint64_t seed);

}  // namespace mirevo
