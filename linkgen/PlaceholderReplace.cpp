#include "linkgen/PlaceholderReplace.h"

#include <algorithm>

#include "common/Sjis.h"

namespace mirevo {

namespace {

std::string Replace(std::string_view text, std::string_view placeholder, std::string_view value,
                    bool all) {
    std::string result;
    std::size_t from = 1;  // 1-based, as PosSjis counts
    while (const std::size_t found = PosSjis(placeholder, text, from)) {
        result.append(text.substr(from - 1, found - from));
        result.append(value);
        from = found + placeholder.size();
        if (!all) break;
    }
    result.append(text.substr(std::min(from - 1, text.size())));
    return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view placeholder,
                       std::string_view value) {
    return Replace(text, placeholder, value, true);
}

std::string ReplaceFirst(std::string_view text, std::string_view placeholder,
                         std::string_view value) {
    return Replace(text, placeholder, value, false);
}

}  // namespace mirevo
