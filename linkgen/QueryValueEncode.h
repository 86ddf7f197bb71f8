// QueryValueEncode: makes the destination URL fit as a value in the click URL's query.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// Percent-encodes byte by byte, knowing nothing of two-byte characters. Letters, digits and
// !$'()*-.@_ are copied, the space becomes "+", every other byte "%" and two upper-case
// hexadecimal digits. The text ends at its first zero byte. The result is printable ASCII,
// one to three times as long as the input, and a percent-decoder that reads "+" as a space
// gives the input back.
std::string QueryValueEncode(std::string_view text);

}  // namespace mirevo
