// The version block on Windows: GetFileVersionInfoSizeA and GetFileVersionInfoA, texts
// converted with the system's ANSI code page; and the path of the running executable.
#pragma once

#include <string>

#include "platform/VersionResource.h"

namespace mirevo {

class Win32VersionResource final : public IVersionResource {
public:
    std::optional<std::vector<std::uint8_t>> ReadVersionBlock(const std::string& path) override;
    std::string ToCodePage(std::u16string_view text) override;
};

// Full path of the running executable (its module file name), in the 8-bit code page.
std::string RunningExecutablePath();

}  // namespace mirevo
