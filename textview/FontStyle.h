// Font style sets: bold, italic, underline and strike-out, indexing a font's 16 variants.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/LogFont.h"

namespace mirevo {

enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of TFontStyle; bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strike-out.
class TFontStyles {
public:
    static constexpr std::uint8_t kVariantCount = 16;

    constexpr TFontStyles() = default;
    // Any byte is accepted so that misuse can be caught where the set is used.
    constexpr explicit TFontStyles(std::uint8_t mask) : mask_(mask) {}
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (const auto style : styles) mask_ |= Bit(style);
    }

    constexpr bool Contains(TFontStyle style) const { return (mask_ & Bit(style)) != 0; }
    constexpr std::uint8_t Mask() const { return mask_; }
    constexpr bool IsValid() const { return mask_ < kVariantCount; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr std::uint8_t Bit(TFontStyle style) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(style));
    }
    std::uint8_t mask_ = 0;
};

// The styles a font has of its own: bold from a weight of 700 or more.
constexpr TFontStyles StylesOf(const TLogFont& font) {
    std::uint8_t mask = 0;
    if (font.Weight >= kFontWeightBold) mask |= 1u;
    if (font.Italic != 0) mask |= 2u;
    if (font.Underline != 0) mask |= 4u;
    if (font.StrikeOut != 0) mask |= 8u;
    return TFontStyles{mask};
}

// The font with its weight and the three flags replaced by those of styles; the other
// fields stay.
constexpr TLogFont WithStyles(TLogFont font, TFontStyles styles) {
    font.Weight = styles.Contains(TFontStyle::fsBold) ? kFontWeightBold : kFontWeightNormal;
    font.Italic = styles.Contains(TFontStyle::fsItalic) ? 1 : 0;
    font.Underline = styles.Contains(TFontStyle::fsUnderline) ? 1 : 0;
    font.StrikeOut = styles.Contains(TFontStyle::fsStrikeOut) ? 1 : 0;
    return font;
}

}  // namespace mirevo
