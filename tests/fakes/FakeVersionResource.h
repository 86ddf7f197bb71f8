// Version blocks built in a test, and a version reader that records what it is asked.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "about/VersionBlock.h"
#include "platform/portable/VersionBlockResource.h"

namespace mirevo::testing_support {

// One node of a version block: a key, a text or binary value, children.
struct VersionNode {
    std::string key;
    std::vector<std::uint8_t> value;
    bool text = false;
    std::vector<VersionNode> children;
};

VersionNode TextNode(std::string key, const std::string& text);

// A whole block: the fixed file information, one string table named tableKey (such as
// "041103A4") holding strings, and a translation table of (language, code page) pairs,
// left out when translations is empty.
VersionNode StandardVersionInfo(
    const std::string& tableKey, const std::vector<std::pair<std::string, std::string>>& strings,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations);

// The bytes of node in either form. Texts in the UTF-16 form are widened byte by byte, so
// use ASCII there.
std::vector<std::uint8_t> BuildVersionBlock(const VersionNode& node, VersionBlock::Layout layout);

// Answers as VersionBlockResource does and records each call.
class FakeVersionResource final : public IVersionResource {
public:
    FakeVersionResource(std::string path, std::vector<std::uint8_t> block)
        : inner_(std::move(path), std::move(block)) {}

    std::optional<std::vector<std::uint8_t>> ReadVersionBlock(const std::string& path) override;
    std::string ToCodePage(std::u16string_view text) override;

    bool failRead = false;
    std::vector<std::string> readPaths;
    std::vector<std::u16string> converted;  // texts of a UTF-16 block, in order

private:
    VersionBlockResource inner_;
};

}  // namespace mirevo::testing_support
