// Fuzzes the version block reader, alone and behind TVersionInfo, with arbitrary bytes.
#include "platform/portable/VersionBlock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const VersionBlock block(bytes);
    for (const char* path : {"", "\\", "\\\\VarFileInfo\\\\Translation",
                             "\\StringFileInfo\\041103A4\\FileVersion", "\\\\\\", "a\\b\\c\\d"}) {
        CheckValue(bytes, block, path);
    }
    // The input's own leading bytes as a path reach keys the fixed paths never name.
    const std::string path(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 24));
    CheckValue(bytes, block, path.c_str());

    mirevo::VersionBlockResource resource("x.exe", std::vector<std::uint8_t>(data, data + size));
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
    return 0;
}
