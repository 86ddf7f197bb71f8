// A text drawer's font stock: its base font's shared record and the current style variant.
#pragma once

#include <cstdint>
#include <memory>

#include "common/Exception.h"
#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"
#include "textview/FontStyle.h"
#include "textview/FontsInfoManager.h"

namespace mirevo {

class EFontStockException : public Exception {
public:
    using Exception::Exception;
};

// The cell of a font: advance of "M" (A + B + C widths plus overhang) and the absolute
// height from its metrics, in pixels.
struct TCellSize {
    std::int32_t Advance = 0;
    std::int32_t Height = 0;
    friend bool operator==(const TCellSize&, const TCellSize&) = default;
};

// Measures the font selected into surface.
TCellSize CalcFontAdvance(IDrawingSurface& surface);

class TFontStock {
public:
    // Holds the record of baseFont (EFontStockException when null) with its own style.
    TFontStock(const TLogFont* baseFont, TFontsInfoManager& manager);
    TFontStock(const TFontStock&) = delete;
    TFontStock& operator=(const TFontStock&) = delete;
    ~TFontStock();

    // Changes to the record of font (EFontStockException when null) and makes the font's own
    // style current. The same record again changes nothing.
    void SetBaseFont(const TLogFont* font);

    // Makes the variant of style (a set of 0 to 15) current; activates the record on first
    // use; creates and measures the variant's handle when it has none yet. Measuring opens
    // the screen surface for just that long.
    void SetStyle(TFontStyles style);

    // Of the current variant; None and 0 before the first SetStyle.
    TFontStyles Style() const { return style_; }
    TFontHandle FontHandle() const { return font_; }
    std::int32_t CharAdvance() const;
    std::int32_t CharHeight() const;

    // The record's key: the base font without italic, underline and strike-out.
    const TLogFont& BaseLogFont() const { return baseLogFont_; }

    // Stops using the record's handles (they are deleted when no other stock uses them); the
    // next SetStyle takes them up again.
    void ReleaseFontHandles();

private:
    IDrawingSurface& AcquireScreenSurface();
    void ReleaseScreenSurface(const IDrawingSurface& surface);
    TFontHandle CreateVariantFont(TFontStyles style) const;
    TCellSize Measure(TFontHandle font);
    void GiveUpRecord() noexcept;

    TFontsInfoManager& manager_;
    std::unique_ptr<IDrawingSurface> screen_;
    std::int32_t screenRefCount_ = 0;
    TSharedFontsInfo* info_ = nullptr;
    bool activated_ = false;
    TFontHandle font_ = TFontHandle::None;
    TFontVariant* variant_ = nullptr;
    TFontStyles style_;
    TLogFont baseLogFont_{};
};

}  // namespace mirevo
