// Trimming of blanks and control characters.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// Removes every character with a code of 32 or less from both ends.
std::string Trim(std::string_view text);

}  // namespace mirevo
