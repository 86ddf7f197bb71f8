// Integers as the settings file stores them: decimal text out, decimal or hexadecimal in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo {

// The value of text, or fallback when text breaks any rule:
// - leading spaces, then at most one sign, "+" or "-";
// - decimal digits, where "010" is 10 and the result must fit in 32 signed bits; or
// - "$", "x", "X", "0x" or "0X" and one to eight significant hexadecimal digits (either
//   case), read as a 32-bit two's-complement number ("$FFFFFFFF" is -1) and negated by "-";
// - nothing else anywhere: no inner or trailing space, no point, no letters beyond the
//   hexadecimal ones; an empty text or a sign alone is broken.
std::int32_t IntegerFromText(std::string_view text, std::int32_t fallback);

// Plain decimal text: "-" before a negative value, no sign otherwise.
std::string IntegerToText(std::int32_t value);

}  // namespace mirevo
