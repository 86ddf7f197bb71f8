#include "about/VersionBlock.h"

#include <algorithm>

namespace mirevo {

namespace {

constexpr std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

constexpr char AsciiLower(unsigned value) {
    return static_cast<char>(value >= 'A' && value <= 'Z' ? value - 'A' + 'a' : value);
}

}  // namespace

VersionBlock::VersionBlock(std::span<const std::uint8_t> bytes)
    // A printable first key byte means 8-bit keys; in the UTF-16 form that byte is the type.
    : bytes_(bytes), layout_(bytes.size() > 4 && bytes[4] >= ' ' ? Layout::Narrow : Layout::Wide) {}

std::uint16_t VersionBlock::Word(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::optional<VersionBlock::Node> VersionBlock::ParseNode(std::size_t begin,
                                                          std::size_t limit) const {
    const std::size_t header = layout_ == Layout::Wide ? 6 : 4;
    if (begin + header > limit) return std::nullopt;
    const std::size_t length = Word(begin);
    if (length < header || begin + length > limit) return std::nullopt;
    Node node;
    node.end = begin + length;
    node.keyBegin = begin + header;
    node.keyEnd = node.keyBegin;
    while (node.keyEnd + CharSize() <= node.end &&
           (bytes_[node.keyEnd] != 0 || (CharSize() == 2 && bytes_[node.keyEnd + 1] != 0))) {
        node.keyEnd += CharSize();
    }
    const bool text = layout_ == Layout::Wide && Word(begin + 4) == 1;
    const std::size_t valueSize = Word(begin + 2) * (text ? 2u : 1u);
    node.valueBegin = std::min(Align4(node.keyEnd + CharSize()), node.end);
    node.valueEnd = std::min(node.valueBegin + valueSize, node.end);
    node.childrenBegin = std::min(Align4(node.valueBegin + valueSize), node.end);
    return node;
}

bool VersionBlock::KeyEquals(const Node& node, std::string_view name) const {
    if ((node.keyEnd - node.keyBegin) / CharSize() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const std::size_t at = node.keyBegin + i * CharSize();
        const unsigned unit = CharSize() == 2 ? Word(at) : bytes_[at];
        const auto byte = static_cast<unsigned char>(name[i]);
        if (unit >= 0x80 || byte >= 0x80) {
            if (CharSize() == 2 || unit != byte) return false;
        } else if (AsciiLower(unit) != AsciiLower(byte)) {
            return false;
        }
    }
    return true;
}

std::optional<VersionBlock::Node> VersionBlock::FindChild(const Node& parent,
                                                          std::string_view name) const {
    std::size_t offset = parent.childrenBegin;
    while (offset < parent.end) {
        const auto child = ParseNode(offset, parent.end);
        if (!child) return std::nullopt;
        if (KeyEquals(*child, name)) return child;
        offset = Align4(child->end);
    }
    return std::nullopt;
}

std::optional<VersionBlock::Node> VersionBlock::Find(std::string_view subBlock) const {
    auto node = ParseNode(0, bytes_.size());
    while (node && !subBlock.empty()) {
        const std::size_t slash = subBlock.find('\\');
        const std::string_view name = subBlock.substr(0, slash);
        subBlock =
            slash == std::string_view::npos ? std::string_view{} : subBlock.substr(slash + 1);
        if (!name.empty()) node = FindChild(*node, name);
    }
    return node;
}

std::optional<std::span<const std::uint8_t>> VersionBlock::Value(std::string_view subBlock) const {
    const auto node = Find(subBlock);
    if (!node) return std::nullopt;
    return bytes_.subspan(node->valueBegin, node->valueEnd - node->valueBegin);
}

std::optional<std::string> VersionBlock::Text(std::string_view subBlock,
                                              const TCodePageConversion& toCodePage) const {
    const auto value = Value(subBlock);
    if (!value) return std::nullopt;
    if (CharSize() == 1) {
        std::string text;
        for (const std::uint8_t byte : *value) {
            if (byte == 0) break;
            text += static_cast<char>(byte);
        }
        return text;
    }
    std::u16string wide;
    for (std::size_t at = 0; at + 2 <= value->size(); at += 2) {
        const auto unit = static_cast<char16_t>((*value)[at] | (*value)[at + 1] << 8);
        if (unit == 0) break;
        wide += unit;
    }
    if (toCodePage) return toCodePage(wide);
    std::string text;
    for (const char16_t unit : wide) text += unit < 0x80 ? static_cast<char>(unit) : '?';
    return text;
}

}  // namespace mirevo
