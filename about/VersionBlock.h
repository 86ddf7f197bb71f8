// A reader of the binary version block (VS_VERSIONINFO with its StringFileInfo and
// VarFileInfo children) as the platform hands it out, in its 8-bit or its UTF-16 form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mirevo {

// Every node of a version block is a length, a value length, (in the UTF-16 form) a type, a
// zero-terminated key, the value and the child nodes, each part aligned to four bytes from the
// start of the block. The 8-bit form has 8-bit keys and texts; the UTF-16 form, which is what
// a 32-bit resource holds and what the platform reads from every executable, has UTF-16 keys
// and texts. The first node's key tells the two apart, as the platform does.
//
// The reader only views the bytes it is given; they must outlive it. Malformed or truncated
// blocks are safe: whatever lies outside the bytes or outside a node's stated length is not
// there.
class VersionBlock {
public:
    enum class Layout { Narrow, Wide };

    explicit VersionBlock(std::span<const std::uint8_t> bytes);

    Layout Form() const { return layout_; }

    // The value at subBlock: names separated by backslashes, empty names (doubled or leading
    // backslashes) skipped, each matched against a child's key without regard to ASCII case.
    // An empty path names the root, whose value is the fixed file information.
    //
    // Value gives the value's bytes as stored; Text reads it as text up to its first zero
    // character. A text of the UTF-16 form goes through toCodePage into the program's 8-bit
    // code page; without one, a character outside ASCII reads as '?'.
    using TCodePageConversion = std::function<std::string(std::u16string_view)>;
    std::optional<std::span<const std::uint8_t>> Value(std::string_view subBlock) const;
    std::optional<std::string> Text(std::string_view subBlock,
                                    const TCodePageConversion& toCodePage = {}) const;

private:
    struct Node {
        std::size_t end = 0;
        std::size_t keyBegin = 0;
        std::size_t keyEnd = 0;
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;
        std::size_t childrenBegin = 0;
    };

    std::optional<Node> ParseNode(std::size_t begin, std::size_t limit) const;
    std::optional<Node> FindChild(const Node& parent, std::string_view name) const;
    std::optional<Node> Find(std::string_view subBlock) const;
    bool KeyEquals(const Node& node, std::string_view name) const;
    std::uint16_t Word(std::size_t offset) const;
    std::size_t CharSize() const { return layout_ == Layout::Wide ? 2 : 1; }

    std::span<const std::uint8_t> bytes_;
    Layout layout_;
};

}  // namespace mirevo
