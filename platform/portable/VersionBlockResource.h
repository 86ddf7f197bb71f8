// The version block reader without the platform: one file's version block, held in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/VersionResource.h"

namespace mirevo {

// Answers for the file at path with the block given here, read as the platform hands blocks
// out (see VersionBlock); any other file has no version block. Serves builds that cannot
// read an executable's resources, and tests.
class VersionBlockResource final : public IVersionResource {
public:
    VersionBlockResource(std::string path, std::vector<std::uint8_t> block);

    std::uint32_t BlockSize(const std::string& path) override;
    bool ReadBlock(const std::string& path, std::span<std::uint8_t> block) override;
    std::optional<std::vector<std::uint8_t>> QueryValue(std::span<std::uint8_t> block,
                                                        const std::string& subBlock) override;
    std::optional<std::string> QueryText(std::span<std::uint8_t> block,
                                         const std::string& subBlock) override;

private:
    std::string path_;
    std::vector<std::uint8_t> block_;
};

}  // namespace mirevo
