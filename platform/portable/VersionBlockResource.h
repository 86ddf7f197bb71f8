// The version resource without the platform: one file's version block, held in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/VersionResource.h"

namespace mirevo {

// Answers for the file at path with the block given here; any other file has no version
// block. Converts UTF-16 texts of ASCII only (anything else reads as '?'): it carries no code
// page table. Serves builds that cannot read an executable's resources, and tests.
class VersionBlockResource final : public IVersionResource {
public:
    VersionBlockResource(std::string path, std::vector<std::uint8_t> block);

    std::optional<std::vector<std::uint8_t>> ReadVersionBlock(const std::string& path) override;
    std::string ToCodePage(std::u16string_view text) override;

private:
    std::string path_;
    std::vector<std::uint8_t> block_;
};

}  // namespace mirevo
