#include "common/IntegerText.h"

#include <optional>

namespace mirevo {

namespace {

constexpr std::uint32_t kMaxHexBeforeDigit = 0x0FFFFFFF;
constexpr std::int64_t kMaxDecimalBeforeDigit = 214748364;

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Length of a hexadecimal prefix at the start of text, 0 when there is none. A leading "0x"
// is taken here after the sign as well as before it.
std::size_t HexPrefixLength(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) return 2;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
    return 0;
}

std::optional<std::uint32_t> ParseHexDigits(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const auto digit = HexDigit(c);
        if (!digit || value > kMaxHexBeforeDigit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

std::optional<std::int64_t> ParseDecimalDigits(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (!IsDecimalDigit(c) || value > kMaxDecimalBeforeDigit) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::int32_t> ParseSigned(std::string_view text) {
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (const auto prefix = HexPrefixLength(text); prefix > 0) {
        const auto bits = ParseHexDigits(text.substr(prefix));
        if (!bits) return std::nullopt;
        // Unsigned negation wraps, so "-$80000000" stays the smallest value.
        return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
    }
    const auto magnitude = ParseDecimalDigits(text);
    if (!magnitude) return std::nullopt;
    const std::int64_t value = negative ? -*magnitude : *magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t IntegerFromText(std::string_view text, std::int32_t fallback) {
    while (text.starts_with(' ')) text.remove_prefix(1);
    return ParseSigned(text).value_or(fallback);
}

std::string IntegerToText(std::int32_t value) { return std::to_string(value); }

}  // namespace mirevo
