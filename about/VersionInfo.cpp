#include "about/VersionInfo.h"

#include <cstdio>
#include <vector>

namespace mirevo {

namespace {

// The paths are written with doubled backslashes; the platform's query skips the empty names
// between them.
const std::string kTranslationPath = "\\\\VarFileInfo\\\\Translation";

std::string StringValuePath(std::uint16_t language, std::uint16_t codePage, const char* name) {
    char table[16];
    std::snprintf(table, sizeof table, "%.4X%.4X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return "\\\\StringFileInfo\\\\" + std::string(table) + "\\\\" + name;
}

}  // namespace

TVersionInfo::TVersionInfo(IVersionResource& resource, const std::string& path)
    : resource_(resource) {
    GetInfo(path);
}

void TVersionInfo::GetInfo(const std::string& path) {
    const std::uint32_t size = resource_.BlockSize(path);
    if (size == 0) return SetAllNotAvailable();
    std::vector<std::uint8_t> block(size);
    if (!resource_.ReadBlock(path, block)) return SetAllNotAvailable();
    const auto translation = ReadTranslation(block);
    if (!translation) return SetAllNotAvailable();
    ReadValues(block, *translation);
    parts_ = SplitFileVersion(FileVersion());
}

std::optional<TVersionInfo::Translation> TVersionInfo::ReadTranslation(
    std::span<std::uint8_t> block) const {
    const auto table = resource_.QueryValue(block, kTranslationPath);
    if (!table || table->size() < 4) return std::nullopt;
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint16_t>((*table)[at] | (*table)[at + 1] << 8);
    };
    return Translation{word(0), word(2)};
}

void TVersionInfo::ReadValues(std::span<std::uint8_t> block, Translation translation) {
    for (std::size_t i = 0; i < kValueNames.size(); ++i) {
        const auto path =
            StringValuePath(translation.language, translation.codePage, kValueNames[i]);
        values_[i] = resource_.QueryText(block, path).value_or("");
    }
}

void TVersionInfo::SetAllNotAvailable() {
    const std::string none(kInfoNotAvailable);
    values_.fill(none);
    parts_ = {none, none, none, none};
}

}  // namespace mirevo
