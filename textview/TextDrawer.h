// The text drawer the result view draws through: text on a grid of one cell per byte.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "common/Exception.h"
#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"
#include "textview/FontStock.h"
#include "textview/FontStyle.h"
#include "textview/FontsInfoManager.h"

namespace mirevo {

class ETextDrawerException : public Exception {
public:
    using Exception::Exception;
};

// Every byte of a run advances by exactly CharWidth, so a two-byte character covers two
// cells whatever the font's own widths are. Outside a bracket (BeginDrawing .. EndDrawing)
// the drawer has no surface and font and colour changes are only stored.
//
// <windows.h> defines TextOut and ExtTextOut as macros: a file that includes it must
// #undef them before calling these.
class TTextDrawer {
public:
    // A drawer on baseFont (EFontStockException when null) whose cell is measured on the
    // baseStyle variant. Fonts are shared through manager, which must outlive the drawer.
    TTextDrawer(TFontStyles baseStyle, const TLogFont* baseFont, TFontsInfoManager& manager);
    TTextDrawer(const TTextDrawer&) = delete;
    TTextDrawer& operator=(const TTextDrawer&) = delete;
    ~TTextDrawer();

    // The cell: base cell width plus extra spacing, and base cell height, in pixels.
    std::int32_t CharWidth() const { return baseCharWidth_ + extraSpacing_; }
    std::int32_t CharHeight() const { return baseCharHeight_; }

    // Opens a bracket on surface: saves its state and applies font and colours. A bracket on
    // the surface already open only nests; another surface needs all brackets closed.
    void BeginDrawing(IDrawingSurface& surface);
    // Closes a bracket; the last one restores the surface's state and forgets it.
    void EndDrawing();
    bool IsDrawing() const { return drawingCount_ > 0; }

    // The bytes of text at (x, y) in the font's own widths (inside a bracket).
    void TextOut(std::int32_t x, std::int32_t y, std::string_view text);
    // The bytes of text at (x, y), one cell each, with options and their rectangle (may be
    // null without options). Empty text with Opaque fills the rectangle alone.
    void ExtTextOut(std::int32_t x, std::int32_t y, TTextOutOptions options, const TRect* rect,
                    std::string_view text);

    // Changes the font (ETextDrawerException when null): re-measures the cell on the base
    // style and makes the font's own style current.
    void SetBaseFont(const TLogFont* font);
    // Re-measures the cell on another variant; the font used for output stays.
    void SetBaseStyle(TFontStyles style);
    TFontStyles BaseStyle() const { return baseStyle_; }
    // The variant used for output; never changes the cell.
    void SetStyle(TFontStyles style);
    TFontStyles Style() const { return style_; }

    void SetForeColor(TColor color);
    void SetBackColor(TColor color);
    TColor ForeColor() const { return foreColor_; }
    TColor BackColor() const { return backColor_; }

    // Extra pixels after every byte, part of CharWidth (0 unless set).
    void SetExtraSpacing(std::int32_t spacing);
    std::int32_t ExtraSpacing() const { return extraSpacing_; }

    // Lets go of the font handles (outside a bracket) and the spacing array; the next
    // bracket or style change takes them up again.
    void ReleaseTemporaryResources();

    // The spacing array kept between outputs (for inspection).
    std::span<const std::int32_t> Spacing() const { return spacing_; }

private:
    void ReleaseSpacing();
    void EnsureSpacing(std::size_t count);
    void SelectCurrentFont();
    void RequireSurface() const;

    IDrawingSurface* surface_ = nullptr;
    int savedState_ = 0;
    TFontStock stock_;
    TFontStyles baseStyle_;
    std::int32_t baseCharWidth_ = 0;
    std::int32_t baseCharHeight_ = 0;
    TFontHandle currentFont_ = TFontHandle::None;
    TFontStyles style_;
    std::vector<std::int32_t> spacing_;
    TColor foreColor_ = clWindowText;
    TColor backColor_ = clWindow;
    std::int32_t extraSpacing_ = 0;
    std::int32_t drawingCount_ = 0;
};

}  // namespace mirevo
