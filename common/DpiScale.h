// Design pixels and device pixels. Forms, fonts and images are laid out in design pixels,
// pixels of a screen at 96 dots per inch; a window on a screen of another density shows
// them scaled by its dots per inch.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mirevo {

inline constexpr std::uint32_t kDesignDpi = 96;

namespace dpi_detail {
// value × numerator / denominator, rounded half away from zero, kept to 32 bits.
constexpr std::int32_t MulDivRounded(std::int32_t value, std::uint32_t numerator,
                                     std::uint32_t denominator) {
    if (denominator == 0) return value;
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t quotient =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}
}  // namespace dpi_detail

// A length or position in design pixels on a screen of dpi dots per inch. For dpi of 96 and
// above, ToDesignPixels(ToDevicePixels(x)) gives x back, so a size stored and laid out again
// does not creep.
constexpr std::int32_t ToDevicePixels(std::int32_t design, std::uint32_t dpi) {
    // A density of 0 is none known: the design as it is.
    return dpi == 0 ? design : dpi_detail::MulDivRounded(design, dpi, kDesignDpi);
}

constexpr std::int32_t ToDesignPixels(std::int32_t device, std::uint32_t dpi) {
    return dpi_detail::MulDivRounded(device, kDesignDpi, dpi);
}

}  // namespace mirevo
