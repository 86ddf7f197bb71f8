// Port: the platform's reader of a file's version block (the resource naming its version,
// company and copyright).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mirevo {

class IVersionResource {
public:
    virtual ~IVersionResource() = default;

    // Bytes a buffer needs to hold the version block of the file at path; 0 when the file has
    // none or cannot be read.
    virtual std::uint32_t BlockSize(const std::string& path) = 0;

    // Reads the version block of the file at path into block, which has the size BlockSize
    // gave. False when the platform refuses.
    virtual bool ReadBlock(const std::string& path, std::span<std::uint8_t> block) = 0;

    // Queries block, as ReadBlock filled it, for the value at subBlock: names separated by
    // backslashes, empty names skipped, matched without regard to case
    // ("\VarFileInfo\Translation"). The platform may keep converted texts in the block's tail, so
    // the block is writable.
    //
    // QueryValue gives the value's bytes (a binary value such as the translation table);
    // QueryText gives a text value in the 8-bit code page, up to its first zero byte.
    // Both give nothing when the block holds no such value.
    virtual std::optional<std::vector<std::uint8_t>> QueryValue(std::span<std::uint8_t> block,
                                                                const std::string& subBlock) = 0;
    virtual std::optional<std::string> QueryText(std::span<std::uint8_t> block,
                                                 const std::string& subBlock) = 0;
};

}  // namespace mirevo
