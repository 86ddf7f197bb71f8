// Fuzz target: the settings file's integer conversion against the C library's.
#include "common/IntegerText.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool AllOf(std::string_view text, const char* characters) {
    return !text.empty() && text.find_first_not_of(characters) == std::string_view::npos;
}

// The value by strtoll/strtoull for the shapes the conversion accepts; nullopt otherwise.
std::optional<std::int32_t> Oracle(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::size_t prefix = 0;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        prefix = 2;
    } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        prefix = 1;
    }
    const std::string digits(text.substr(prefix));
    if (prefix > 0) {
        if (!AllOf(digits, "0123456789abcdefABCDEF")) return std::nullopt;
        const auto significant =
            digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
        if (significant.size() > 8) return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(std::strtoull(digits.c_str(), nullptr, 16));
        return static_cast<std::int32_t>(negative ? 0u - bits : bits);
    }
    if (!AllOf(digits, "0123456789")) return std::nullopt;
    errno = 0;
    const long long magnitude = std::strtoll(digits.c_str(), nullptr, 10);
    const long long value = negative ? -magnitude : magnitude;
    if (errno != 0 || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto zero = mirevo::IntegerFromText(text, 0);
    const auto one = mirevo::IntegerFromText(text, 1);
    const auto expected = Oracle(text);
    if (expected ? (zero != *expected || one != *expected) : (zero != 0 || one != 1)) {
        std::abort();
    }
    if (size >= 4) {
        std::int32_t value = 0;
        std::memcpy(&value, data, sizeof value);
        if (mirevo::IntegerFromText(mirevo::IntegerToText(value), value ^ 1) != value) std::abort();
    }
    return 0;
}
