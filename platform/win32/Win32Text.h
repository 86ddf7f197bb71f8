// Text as it is handed to the platform's ANSI calls.
#pragma once

#include <string>
#include <string_view>

#include "common/Sjis.h"

namespace mirevo {

// A zero-terminated copy holding whole characters only (see WholeCharacters).
inline std::string NativeText(std::string_view text) { return std::string(WholeCharacters(text)); }

}  // namespace mirevo
