#include "linkgen/QueryValueEncode.h"

#include <array>

namespace mirevo {

namespace {

constexpr std::array<bool, 256> CopiedBytes() {
    std::array<bool, 256> copied{};
    for (const unsigned char c : std::string_view("!$'()*-.@_")) copied[c] = true;
    for (int c = '0'; c <= '9'; ++c) copied[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c) copied[c] = true;
    for (int c = 'a'; c <= 'z'; ++c) copied[c] = true;
    return copied;
}

constexpr auto kCopied = CopiedBytes();
constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string QueryValueEncode(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string out(text.size() * 3, '\0');
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (kCopied[byte]) {
            out[length++] = c;
        } else if (byte == ' ') {
            out[length++] = '+';
        } else {
            out[length++] = '%';
            out[length++] = kHexDigits[byte >> 4];
            out[length++] = kHexDigits[byte & 0x0F];
        }
    }
    out.resize(length);
    return out;
}

}  // namespace mirevo
