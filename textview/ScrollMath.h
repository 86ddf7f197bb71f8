// Integer helpers of the text view's scrolling: the platform's multiply-then-divide.
#pragma once

#include <cstdint>
#include <limits>

namespace mirevo {

inline constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

// a * b / c with a 64-bit product, rounded half away from zero; -1 when c is 0 or the
// result does not fit, as the platform's routine answers.
constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t p = product < 0 ? -product : product;
    const std::int64_t d = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (p + d / 2) / d;
    if (q > std::numeric_limits<std::int32_t>::max()) return -1;
    return static_cast<std::int32_t>(negative ? -q : q);
}

}  // namespace mirevo
