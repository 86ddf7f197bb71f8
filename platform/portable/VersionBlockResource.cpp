#include "platform/portable/VersionBlockResource.h"

#include <algorithm>
#include <utility>

#include "platform/portable/VersionBlock.h"

namespace mirevo {

VersionBlockResource::VersionBlockResource(std::string path, std::vector<std::uint8_t> block)
    : path_(std::move(path)), block_(std::move(block)) {}

std::uint32_t VersionBlockResource::BlockSize(const std::string& path) {
    return path == path_ ? static_cast<std::uint32_t>(block_.size()) : 0;
}

bool VersionBlockResource::ReadBlock(const std::string& path, std::span<std::uint8_t> block) {
    if (path != path_) return false;
    std::copy_n(block_.begin(), std::min(block.size(), block_.size()), block.begin());
    return true;
}

std::optional<std::vector<std::uint8_t>> VersionBlockResource::QueryValue(
    std::span<std::uint8_t> block, const std::string& subBlock) {
    const auto value = VersionBlock(block).Value(subBlock);
    if (!value) return std::nullopt;
    return std::vector<std::uint8_t>(value->begin(), value->end());
}

std::optional<std::string> VersionBlockResource::QueryText(std::span<std::uint8_t> block,
                                                           const std::string& subBlock) {
    return VersionBlock(block).Text(subBlock);
}

}  // namespace mirevo
