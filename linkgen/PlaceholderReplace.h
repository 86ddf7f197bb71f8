// Putting values in for the placeholders of a link template. Matches are byte for byte and
// case-sensitive, and never begin on the second byte of a two-byte character.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// Every occurrence, left to right, without overlaps; inserted text is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view value);

// The leftmost occurrence only.
std::string ReplaceFirst(std::string_view text, std::string_view placeholder,
                         std::string_view value);

}  // namespace mirevo
