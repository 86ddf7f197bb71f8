#include "textview/LineStoreTabs.h"

#include <cstring>

namespace mirevo {

namespace {

bool HasTab(std::string_view text) {
    return !text.empty() && std::memchr(text.data(), '\t', text.size()) != nullptr;
}

bool TabsToSpaces(std::string_view text, std::int32_t, std::string& out) {
    if (!HasTab(text)) return false;
    out.assign(text);
    for (char& c : out) {
        if (c == '\t') c = ' ';
    }
    return true;
}

// NextStop gives the column after a tab that starts at col.
template <typename NextStop>
bool TabsToStops(std::string_view text, std::string& out, NextStop nextStop) {
    if (!HasTab(text)) return false;
    out.clear();
    for (const char c : text) {
        if (c == '\t') {
            out.append(nextStop(out.size()) - out.size(), '\t');
        } else {
            out.push_back(c);
        }
    }
    return true;
}

bool TabsToMaskedStops(std::string_view text, std::int32_t tabWidth, std::string& out) {
    const std::size_t width = static_cast<std::size_t>(tabWidth);
    return TabsToStops(text, out,
                       [width](std::size_t col) { return (col + width) & ~(width - 1); });
}

bool TabsToModuloStops(std::string_view text, std::int32_t tabWidth, std::string& out) {
    const std::size_t width = static_cast<std::size_t>(tabWidth);
    return TabsToStops(text, out, [width](std::size_t col) { return col + width - col % width; });
}

}  // namespace

TConvertTabs ConvertTabsFor(std::int32_t tabWidth) {
    if (tabWidth < 2) return TabsToSpaces;
    if ((tabWidth & (tabWidth - 1)) == 0) return TabsToMaskedStops;
    return TabsToModuloStops;
}

}  // namespace mirevo
