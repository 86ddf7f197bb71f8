#include "tests/fakes/FakeVersionResource.h"

namespace mirevo::testing_support {

namespace {

void PutWord(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void PadTo4(std::vector<std::uint8_t>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
}

void PutChars(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& chars, bool wide) {
    for (const auto c : chars) {
        out.push_back(c);
        if (wide) out.push_back(0);
    }
}

// Appends node at the end of out; offsets are from the start of the block, which is out's start.
void AppendNode(std::vector<std::uint8_t>& out, const VersionNode& node, bool wide) {
    const std::size_t begin = out.size();
    PutWord(out, 0);                  // length, patched below
    PutWord(out, node.value.size());  // characters for a text, bytes otherwise
    if (wide) PutWord(out, node.text ? 1 : 0);
    std::vector<std::uint8_t> key(node.key.begin(), node.key.end());
    key.push_back(0);
    PutChars(out, key, wide);
    PadTo4(out);
    if (node.text) {
        PutChars(out, node.value, wide);
    } else {
        out.insert(out.end(), node.value.begin(), node.value.end());
    }
    for (const auto& child : node.children) {
        PadTo4(out);
        AppendNode(out, child, wide);
    }
    const std::size_t length = out.size() - begin;
    out[begin] = static_cast<std::uint8_t>(length & 0xFF);
    out[begin + 1] = static_cast<std::uint8_t>(length >> 8);
}

}  // namespace

VersionNode TextNode(std::string key, const std::string& text) {
    std::vector<std::uint8_t> value(text.begin(), text.end());
    value.push_back(0);
    return {std::move(key), std::move(value), true, {}};
}

VersionNode StandardVersionInfo(
    const std::string& tableKey, const std::vector<std::pair<std::string, std::string>>& strings,
    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& translations) {
    VersionNode table{tableKey, {}, true, {}};
    for (const auto& [name, text] : strings) table.children.push_back(TextNode(name, text));
    VersionNode root{"VS_VERSION_INFO", std::vector<std::uint8_t>(52, 0), false, {}};
    root.value[0] = 0xBD;  // VS_FIXEDFILEINFO signature 0xFEEF04BD
    root.value[1] = 0x04;
    root.value[2] = 0xEF;
    root.value[3] = 0xFE;
    root.children.push_back({"StringFileInfo", {}, true, {table}});
    if (!translations.empty()) {
        VersionNode list{"Translation", {}, false, {}};
        for (const auto& [language, codePage] : translations) {
            PutWord(list.value, language);
            PutWord(list.value, codePage);
        }
        root.children.push_back({"VarFileInfo", {}, true, {list}});
    }
    return root;
}

std::vector<std::uint8_t> BuildVersionBlock(const VersionNode& node, VersionBlock::Layout layout) {
    std::vector<std::uint8_t> out;
    AppendNode(out, node, layout == VersionBlock::Layout::Wide);
    return out;
}

std::optional<std::vector<std::uint8_t>> FakeVersionResource::ReadVersionBlock(
    const std::string& path) {
    readPaths.push_back(path);
    if (failRead) return std::nullopt;
    return inner_.ReadVersionBlock(path);
}

std::string FakeVersionResource::ToCodePage(std::u16string_view text) {
    converted.emplace_back(text);
    return inner_.ToCodePage(text);
}

}  // namespace mirevo::testing_support
