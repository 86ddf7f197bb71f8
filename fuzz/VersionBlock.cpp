// Fuzzes the version block reader, alone and behind TVersionInfo, with arbitrary bytes.
#include "about/VersionBlock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "about/VersionInfo.h"
#include "platform/portable/VersionBlockResource.h"

namespace {

using mirevo::VersionBlock;

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckValue(std::span<const std::uint8_t> bytes, const VersionBlock& block, const char* path) {
    const auto value = block.Value(path);
    const auto text = block.Text(path);
    Check(value.has_value() == text.has_value());
    if (!value) return;
    Check(value->empty() || (value->data() >= bytes.data() &&
                             value->data() + value->size() <= bytes.data() + bytes.size()));
    Check(text->find('\0') == std::string::npos);
    Check(text->size() <= value->size());
}

void CheckBlock(std::span<const std::uint8_t> bytes) {
    const VersionBlock block(bytes);
    for (const char* path : {"", "\\", "\\\\VarFileInfo\\\\Translation",
                             "\\StringFileInfo\\041103A4\\FileVersion", "\\\\\\", "a\\b\\c\\d"}) {
        CheckValue(bytes, block, path);
    }
    // The input's own leading bytes as a path reach keys the fixed paths never name.
    const std::string path(reinterpret_cast<const char*>(bytes.data()),
                           std::min<std::size_t>(bytes.size(), 24));
    CheckValue(bytes, block, path.c_str());
}

// TVersionInfo over the block: the parts always agree with FileVersion.
void CheckVersionInfo(std::span<const std::uint8_t> bytes) {
    mirevo::VersionBlockResource resource("x.exe",
                                          std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    const mirevo::TVersionInfo info(resource, "x.exe");
    const std::string na(mirevo::kInfoNotAvailable);
    const bool split = info.FileVersion().find_first_of(".,") != std::string::npos;
    if (split) {
        const std::size_t pieces = info.MajorVersion().size() + info.MinorVersion().size() +
                                   info.Release().size() + info.Build().size();
        Check(info.FileVersion().starts_with(info.MajorVersion()));
        Check(pieces < info.FileVersion().size());
    } else {
        Check(info.MajorVersion() == na && info.Build() == na);
    }
}

// A valid UTF-16 root node around the input, so that random bytes are read as its children.
std::vector<std::uint8_t> UnderARoot(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> block = {0, 0, 0, 0, 0, 0};
    for (const char c : std::string_view("VS_VERSION_INFO")) {
        block.insert(block.end(), {static_cast<std::uint8_t>(c), 0});
    }
    block.resize(40, 0);
    block.insert(block.end(), data, data + std::min<std::size_t>(size, 0xFFFF - 40));
    block[0] = static_cast<std::uint8_t>(block.size() & 0xFF);
    block[1] = static_cast<std::uint8_t>(block.size() >> 8);
    return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const auto& block :
         {std::vector<std::uint8_t>(data, data + size), UnderARoot(data, size)}) {
        CheckBlock(block);
        CheckVersionInfo(block);
    }
    return 0;
}
