// Bounds, anchors and alignment of controls (pixels at 96 dots per inch).
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/Geometry.h"

namespace mirevo {

// A control's place in its parent: position and size. Right and Bottom stay within 32 bits
// however far out a stored place lies.
struct TBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    constexpr std::int32_t Right() const { return Edge(Left, Width); }
    constexpr std::int32_t Bottom() const { return Edge(Top, Height); }
    friend bool operator==(const TBounds&, const TBounds&) = default;

private:
    static constexpr std::int32_t Edge(std::int32_t start, std::int32_t size) {
        using Limits = std::numeric_limits<std::int32_t>;
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(std::int64_t{start} + size, Limits::min(), Limits::max()));
    }
};

// Which edges of its parent a control keeps its distance to when the parent is resized.
enum TAnchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint8_t;
inline constexpr TAnchors kDefaultAnchors = akLeft | akTop;
inline constexpr TAnchors kAllAnchors = akLeft | akTop | akRight | akBottom;

// alTop stacks a control at the top of its parent at the parent's full width.
enum class TAlign : std::uint8_t { alNone, alTop, alClient };

}  // namespace mirevo
