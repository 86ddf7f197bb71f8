#include "settings/SettingsFile.h"

#include "common/Sjis.h"

namespace mirevo {

namespace {

std::string WithExtension(std::string_view exePath, std::string_view extension) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < exePath.size(); i += IsLeadByte(exePath[i]) ? 2 : 1) {
        const char c = exePath[i];
        if (c == '.') {
            dot = i;
        } else if (c == '\\' || c == ':') {
            dot = std::string_view::npos;
        }
    }
    return std::string(exePath.substr(0, dot)) + std::string(extension);
}

}  // namespace

std::string SettingsFilePath(std::string_view exePath) { return WithExtension(exePath, ".ini"); }

std::string HistoryFilePath(std::string_view exePath) { return WithExtension(exePath, ".history"); }

}  // namespace mirevo
