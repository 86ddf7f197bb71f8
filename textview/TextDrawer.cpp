#include "textview/TextDrawer.h"

#include "textview/TextDrawerAssert.h"

namespace mirevo {

namespace {
constexpr std::size_t kSpacingStep = 64;
}  // namespace

TTextDrawer::TTextDrawer(TFontStyles baseStyle, const TLogFont* baseFont,
                         TFontsInfoManager& manager)
    : stock_(baseFont, manager), baseStyle_(baseStyle) {
    SetBaseFont(baseFont);
}

TTextDrawer::~TTextDrawer() = default;

void TTextDrawer::BeginDrawing(IDrawingSurface& surface) {
    if (surface_ == &surface) {
        ++drawingCount_;
        return;
    }
    MIREVO_TEXTDRAWER_ASSERT(surface_ == nullptr && drawingCount_ == 0);
    if (currentFont_ == TFontHandle::None) SetStyle(style_);
    surface_ = &surface;
    savedState_ = surface.SaveState();
    surface.SelectFont(currentFont_);
    surface.SetForeColor(foreColor_);
    surface.SetBackColor(backColor_);
    drawingCount_ = 1;
}

void TTextDrawer::EndDrawing() {
    MIREVO_TEXTDRAWER_ASSERT(drawingCount_ > 0);
    if (--drawingCount_ > 0) return;
    surface_->RestoreState(savedState_);
    surface_ = nullptr;
}

void TTextDrawer::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    RequireSurface();
    surface_->DrawTextRun(x, y, TTextOutOptions::None, nullptr, text, {});
}

void TTextDrawer::ExtTextOut(std::int32_t x, std::int32_t y, TTextOutOptions options,
                             const TRect* rect, std::string_view text) {
    RequireSurface();
    EnsureSpacing(text.size());
    surface_->DrawTextRun(x, y, options, rect, text,
                          std::span<const std::int32_t>(spacing_).first(text.size()));
}

void TTextDrawer::SetBaseFont(const TLogFont* font) {
    if (font == nullptr) throw ETextDrawerException("SetBaseFont: 'Value' must be specified.");
    ReleaseSpacing();
    // The old font's handles may be deleted now: not while the surface holds one, and the
    // new handle is selected whatever its value.
    currentFont_ = TFontHandle::None;
    SelectCurrentFont();
    stock_.SetBaseFont(font);
    stock_.SetStyle(baseStyle_);
    baseCharWidth_ = stock_.CharAdvance();
    baseCharHeight_ = stock_.CharHeight();
    SetStyle(StylesOf(*font));
}

void TTextDrawer::SetBaseStyle(TFontStyles style) {
    if (style == baseStyle_) return;
    baseStyle_ = style;
    ReleaseSpacing();
    stock_.SetStyle(style);
    baseCharWidth_ = stock_.CharAdvance();
    baseCharHeight_ = stock_.CharHeight();
}

void TTextDrawer::SetStyle(TFontStyles style) {
    stock_.SetStyle(style);
    style_ = style;
    if (stock_.FontHandle() == currentFont_) return;
    currentFont_ = stock_.FontHandle();
    SelectCurrentFont();
}

void TTextDrawer::SetForeColor(TColor color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    if (surface_ != nullptr) surface_->SetForeColor(color);
}

void TTextDrawer::SetBackColor(TColor color) {
    if (color == backColor_) return;
    backColor_ = color;
    if (surface_ != nullptr) surface_->SetBackColor(color);
}

// The spacing array alone carries the extra pixels: the platform adds a context's own
// character extra to every spacing entry, which would count them twice.
void TTextDrawer::SetExtraSpacing(std::int32_t spacing) {
    if (spacing == extraSpacing_) return;
    extraSpacing_ = spacing;
    ReleaseSpacing();
}

void TTextDrawer::ReleaseTemporaryResources() {
    MIREVO_TEXTDRAWER_ASSERT(drawingCount_ == 0);
    ReleaseSpacing();
    stock_.ReleaseFontHandles();
    currentFont_ = TFontHandle::None;
}

void TTextDrawer::ReleaseSpacing() {
    spacing_.clear();
    spacing_.shrink_to_fit();
}

// Grows in whole steps so that drawing line after line does not allocate. Every entry is
// CharWidth: the array is released whenever the width changes.
void TTextDrawer::EnsureSpacing(std::size_t count) {
    if (spacing_.size() >= count) return;
    spacing_.resize(count / kSpacingStep * kSpacingStep + kSpacingStep, CharWidth());
}

void TTextDrawer::SelectCurrentFont() {
    if (surface_ != nullptr) surface_->SelectFont(currentFont_);
}

void TTextDrawer::RequireSurface() const {
    MIREVO_TEXTDRAWER_ASSERT_MSG(surface_ != nullptr, "Call BeginDrawing before drawing.");
}

}  // namespace mirevo
