#include "settings/SettingsFile.h"

#include "common/Sjis.h"

namespace mirevo {

std::string SettingsFilePath(std::string_view exePath) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < exePath.size(); i += IsLeadByte(exePath[i]) ? 2 : 1) {
        const char c = exePath[i];
        if (c == '.') {
            dot = i;
        } else if (c == '\\' || c == ':') {
            dot = std::string_view::npos;
        }
    }
    return std::string(exePath.substr(0, dot)) + ".ini";
}

}  // namespace mirevo
