#include "about/VersionInfo.h"

#include "about/VersionBlock.h"

#include <cstdio>
#include <vector>

namespace mirevo {

namespace {
// The paths are written with doubled backslashes; the block reader skips the empty names
// between them, as the platform's query does.
const std::string kTranslationPath = "\\\\VarFileInfo\\\\Translation";
}  // namespace

std::string TVersionInfo::StringValuePath(std::uint16_t language, std::uint16_t codePage,
                                          const char* name) {
    char table[16];
    std::snprintf(table, sizeof table, "%.4X%.4X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return "\\\\StringFileInfo\\\\" + std::string(table) + "\\\\" + name;
}

TVersionInfo::TVersionInfo(IVersionResource& resource, const std::string& path)
    : resource_(resource) {
    GetInfo(path);
}

void TVersionInfo::GetInfo(const std::string& path) {
    const auto bytes = resource_.ReadVersionBlock(path);
    if (!bytes) return SetAllNotAvailable();
    const VersionBlock block(*bytes);
    const auto translation = ReadTranslation(block);
    if (!translation) return SetAllNotAvailable();
    ReadValues(block, *translation);
    parts_ = SplitFileVersion(FileVersion());
}

std::optional<TVersionInfo::Translation> TVersionInfo::ReadTranslation(
    const VersionBlock& block) const {
    const auto table = block.Value(kTranslationPath);
    if (!table || table->size() < 4) return std::nullopt;
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint16_t>((*table)[at] | (*table)[at + 1] << 8);
    };
    return Translation{word(0), word(2)};
}

void TVersionInfo::ReadValues(const VersionBlock& block, Translation translation) {
    const auto toCodePage = [this](std::u16string_view text) { return resource_.ToCodePage(text); };
    for (std::size_t i = 0; i < kValueNames.size(); ++i) {
        const auto path =
            StringValuePath(translation.language, translation.codePage, kValueNames[i]);
        values_[i] = block.Text(path, toCodePage).value_or("");
    }
}

void TVersionInfo::SetAllNotAvailable() {
    const std::string none(kInfoNotAvailable);
    values_.fill(none);
    parts_ = {none, none, none, none};
}

}  // namespace mirevo
