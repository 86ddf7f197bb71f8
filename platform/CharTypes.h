// Port: the platform's character-type classification ("C3" flags) of 8-bit text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace mirevo {

// The C3 flag bits the word selection reads.
enum TCharType3 : std::uint16_t {
    C3Diacritic = 0x0002,
    C3Symbol = 0x0008,
    C3Katakana = 0x0010,
    C3Hiragana = 0x0020,
    C3HalfWidth = 0x0040,
    C3FullWidth = 0x0080,
    C3Ideograph = 0x0100,
    C3Lexical = 0x0400,
    C3Alpha = 0x8000,
};

class ICharTypes {
public:
    virtual ~ICharTypes() = default;
    // One flag word per character of the Shift-JIS text (a double-byte character once), as
    // the user's default locale classifies it; nothing when the platform cannot.
    virtual std::optional<std::vector<std::uint16_t>> CharTypes3(std::string_view text) = 0;
};

}  // namespace mirevo
