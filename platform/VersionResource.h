// Port: a file's version block (the resource naming its version, company and copyright), as
// the platform reads it. Reading the values out of the block is the version reader's own work.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirevo {

class IVersionResource {
public:
    virtual ~IVersionResource() = default;

    // The bytes of the version block of the file at path, in the form the platform hands
    // out (8-bit or UTF-16); nothing when the file has no block or cannot be read.
    virtual std::optional<std::vector<std::uint8_t>> ReadVersionBlock(const std::string& path) = 0;
    // A text of a block's UTF-16 form in the program's 8-bit code page.
    virtual std::string ToCodePage(std::u16string_view text) = 0;
};

}  // namespace mirevo
