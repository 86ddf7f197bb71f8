#include "textview/FontStock.h"

#include <cstdlib>

#include "textview/TextDrawerAssert.h"

namespace mirevo {

TCellSize CalcFontAdvance(IDrawingSurface& surface) {
    const TTextMetrics metrics = surface.Metrics();
    // Fonts without ABC widths (bitmap fonts) are measured by their average width alone.
    const auto widths = surface.CharWidths('M');
    const TABCWidths abc = widths.value_or(TABCWidths{0, metrics.AveCharWidth, 0});
    const std::int32_t overhang = widths ? metrics.Overhang : 0;
    return {abc.A + abc.B + abc.C + overhang, std::abs(metrics.Height)};
}

TFontStock::TFontStock(const TLogFont* baseFont, TFontsInfoManager& manager) : manager_(manager) {
    SetBaseFont(baseFont);
}

TFontStock::~TFontStock() { GiveUpRecord(); }

void TFontStock::SetBaseFont(const TLogFont* font) {
    if (font == nullptr) throw EFontStockException("SetBaseFont: 'Value' must be specified.");
    TSharedFontsInfo& info = manager_.AcquireFontsInfo(*font);
    if (&info == info_) {
        manager_.ReleaseFontsInfo(info);
        return;
    }
    GiveUpRecord();
    info_ = &info;
    baseLogFont_ = info.Key;
    SetStyle(StylesOf(*font));
}

void TFontStock::SetStyle(TFontStyles style) {
    MIREVO_TEXTDRAWER_ASSERT(style.IsValid());
    MIREVO_TEXTDRAWER_ASSERT(info_ != nullptr);
    if (!activated_) {
        manager_.ActivateFontsInfo(*info_);
        activated_ = true;
    }
    TFontVariant& variant = info_->Variants[style.Mask()];
    if (&variant == variant_) return;
    if (variant.Handle == TFontHandle::None) {
        const TFontHandle handle = CreateVariantFont(style);
        try {
            const TCellSize cell = Measure(handle);
            variant.CharAdvance = cell.Advance;
            variant.CharHeight = cell.Height;
        } catch (...) {
            manager_.Resources().FreeFont(handle);
            throw;
        }
        variant.Handle = handle;
    }
    variant_ = &variant;
    style_ = style;
    font_ = variant.Handle;
}

std::int32_t TFontStock::CharAdvance() const {
    return variant_ != nullptr ? variant_->CharAdvance : 0;
}

std::int32_t TFontStock::CharHeight() const {
    return variant_ != nullptr ? variant_->CharHeight : 0;
}

IDrawingSurface& TFontStock::AcquireScreenSurface() {
    if (screenRefCount_ == 0) {
        screen_ = manager_.Resources().OpenScreenSurface();
        if (!screen_) throw EFontStockException("The screen cannot be measured on.");
    }
    ++screenRefCount_;
    return *screen_;
}

void TFontStock::ReleaseScreenSurface(const IDrawingSurface& surface) {
    MIREVO_TEXTDRAWER_ASSERT(screenRefCount_ > 0 && &surface == screen_.get());
    if (--screenRefCount_ == 0) screen_.reset();
}

TFontHandle TFontStock::CreateVariantFont(TFontStyles style) const {
    const TFontHandle handle = manager_.Resources().NewFont(WithStyles(baseLogFont_, style));
    if (handle == TFontHandle::None) {
        throw EFontStockException("The font '" + baseLogFont_.Face() + "' cannot be created.");
    }
    return handle;
}

TCellSize TFontStock::Measure(TFontHandle font) {
    IDrawingSurface& screen = AcquireScreenSurface();
    struct Lease {
        TFontStock& stock;
        IDrawingSurface& surface;
        ~Lease() { stock.ReleaseScreenSurface(surface); }
    } const lease{*this, screen};
    const TFontHandle previous = screen.SelectFont(font);
    const TCellSize cell = CalcFontAdvance(screen);
    screen.SelectFont(previous);
    return cell;
}

// The current variant goes with the handles: once they may be deleted it must be looked up
// (and its handle made) again.
void TFontStock::ReleaseFontHandles() {
    if (activated_) {
        activated_ = false;
        manager_.DeactivateFontsInfo(*info_);
    }
    variant_ = nullptr;
    font_ = TFontHandle::None;
}

void TFontStock::GiveUpRecord() noexcept {
    if (info_ == nullptr) return;
    ReleaseFontHandles();
    manager_.ReleaseFontsInfo(*info_);
    info_ = nullptr;
}

}  // namespace mirevo
