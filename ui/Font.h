// A font as a control asks for it: face name, height in pixels (negative: character height),
// character set.
#pragma once

#include <cstdint>
#include <string>

namespace mirevo {

inline constexpr std::uint8_t kDefaultCharSet = 1;
inline constexpr std::uint8_t kShiftJisCharSet = 128;

struct TFontSpec {
    std::string Name;
    std::int32_t Height = -12;
    std::uint8_t Charset = kShiftJisCharSet;
    bool Underline = false;
    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

}  // namespace mirevo
