#include "platform/win32/Win32CharTypes.h"

#include <windows.h>

#include <algorithm>

namespace mirevo {

std::optional<std::vector<std::uint16_t>> Win32CharTypes::CharTypes3(std::string_view text) {
    if (text.empty()) return std::vector<std::uint16_t>{};
    const int bytes = static_cast<int>(text.size());
    // One word per character: as many as the text has UTF-16 units in the ANSI code page.
    const int characters = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
    if (characters <= 0) return std::nullopt;
    std::vector<WORD> types(static_cast<std::size_t>(std::max(characters, bytes)));
    if (!GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE3, text.data(), bytes, types.data()))
        return std::nullopt;
    types.resize(static_cast<std::size_t>(characters));
    return std::vector<std::uint16_t>(types.begin(), types.end());
}

}  // namespace mirevo
