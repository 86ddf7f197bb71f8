// The platform's logical-font record: the 60-byte ANSI description a font is created from.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Sjis.h"

namespace mirevo {

inline constexpr std::int32_t kFontWeightNormal = 400;
inline constexpr std::int32_t kFontWeightBold = 700;
inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kShiftJisCharset = 128;
inline constexpr std::uint8_t kFixedPitch = 1;

// Field for field, in order and width, the platform's ANSI logical font, so that the
// Windows layer copies it without translation and two records compare byte by byte.
// Height below 0 is the character height in pixels, above 0 the cell height.
struct TLogFont {
    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t Escapement = 0;
    std::int32_t Orientation = 0;
    std::int32_t Weight = 0;
    std::uint8_t Italic = 0;
    std::uint8_t Underline = 0;
    std::uint8_t StrikeOut = 0;
    std::uint8_t CharSet = 0;
    std::uint8_t OutPrecision = 0;
    std::uint8_t ClipPrecision = 0;
    std::uint8_t Quality = 0;
    std::uint8_t PitchAndFamily = 0;
    std::array<char, 32> FaceName{};  // Shift-JIS, NUL-terminated

    // The face name up to its NUL; the last byte of the field is never read, so a record
    // without a NUL gives 31 bytes.
    std::string Face() const {
        const std::string_view field(FaceName.data(), FaceName.size() - 1);
        return std::string(field.substr(0, field.find('\0')));
    }

    // Stores name, cut to 31 bytes without splitting a two-byte character; the rest of the
    // field is zeroed.
    void SetFace(std::string_view name) {
        std::size_t length = 0;
        while (length < name.size()) {
            const std::size_t step = IsLeadByte(name[length]) ? 2 : 1;
            if (length + step > FaceName.size() - 1) break;
            length += step;
        }
        length = std::min(length, name.size());
        FaceName.fill('\0');
        name.substr(0, length).copy(FaceName.data(), length);
    }
};
static_assert(sizeof(TLogFont) == 60, "must map 1:1 onto the platform's record");

// A font of the given face, height and charset, regular weight, default precision and
// quality.
inline TLogFont MakeLogFont(std::string_view face, std::int32_t height, std::uint8_t charset) {
    TLogFont font;
    font.Height = height;
    font.Weight = kFontWeightNormal;
    font.CharSet = charset;
    font.SetFace(face);
    return font;
}

}  // namespace mirevo
