// The version block reader on Windows: GetFileVersionInfoSizeA, GetFileVersionInfoA and
// VerQueryValueA, and the path of the running executable.
#pragma once

#include <string>

#include "platform/VersionResource.h"

namespace mirevo {

class Win32VersionResource final : public IVersionResource {
public:
    std::uint32_t BlockSize(const std::string& path) override;
    bool ReadBlock(const std::string& path, std::span<std::uint8_t> block) override;
    std::optional<std::vector<std::uint8_t>> QueryValue(std::span<std::uint8_t> block,
                                                        const std::string& subBlock) override;
    std::optional<std::string> QueryText(std::span<std::uint8_t> block,
                                         const std::string& subBlock) override;
};

// Full path of the running executable (its module file name), in the 8-bit code page.
std::string RunningExecutablePath();

}  // namespace mirevo
