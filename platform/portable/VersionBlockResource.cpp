#include "platform/portable/VersionBlockResource.h"

#include <utility>

namespace mirevo {

VersionBlockResource::VersionBlockResource(std::string path, std::vector<std::uint8_t> block)
    : path_(std::move(path)), block_(std::move(block)) {}

std::optional<std::vector<std::uint8_t>> VersionBlockResource::ReadVersionBlock(
    const std::string& path) {
    if (path != path_ || block_.empty()) return std::nullopt;
    return block_;
}

std::string VersionBlockResource::ToCodePage(std::u16string_view text) {
    std::string result;
    for (const char16_t unit : text) result += unit < 0x80 ? static_cast<char>(unit) : '?';
    return result;
}

}  // namespace mirevo
