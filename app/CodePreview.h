// The code as the copy confirmation shows it: a code of a long address on one line would
// make the message box wider than the screen, so each line is cut short with "…".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirevo {

inline constexpr std::size_t kPreviewLineBytes = 80;

// Each line (lines end in CR LF) longer than lineBytes is cut to whole characters within
// lineBytes and followed by "…"; shorter lines and the breaks stay as they are.
std::string CodePreview(std::string_view code, std::size_t lineBytes = kPreviewLineBytes);

}  // namespace mirevo
