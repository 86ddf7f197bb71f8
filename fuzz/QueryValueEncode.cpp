// Fuzz target: QueryValueEncode gives printable ASCII that decodes back to its input.
#include "linkgen/QueryValueEncode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    std::abort();  // lower-case or no digit at all
}

std::string Decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%') {
            if (i + 2 >= text.size()) std::abort();
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto input = bytes.substr(0, bytes.find('\0'));
    const auto output = mirevo::QueryValueEncode(bytes);
    if (output.size() < input.size() || output.size() > 3 * input.size()) std::abort();
    for (const char c : output) {
        if (c < 0x21 || c > 0x7E) std::abort();
    }
    if (Decode(output) != input) std::abort();
    return 0;
}
