#include "textview/Glyph.h"

#include <string>

namespace mirevo {

void DrawGlyphFitted(IDrawingSurface& surface, TBitmapHandle bitmap, TSize size, std::int32_t x,
                     std::int32_t y, std::int32_t rowHeight, TColor maskColor) {
    TRect source{0, 0, size.Width, size.Height};
    if (rowHeight < size.Height) {
        source.Top = (size.Height - rowHeight) / 2;
        source.Bottom = source.Top + rowHeight;
    } else {
        y += (rowHeight - size.Height) / 2;
    }
    if (maskColor == clNone) {
        surface.DrawBitmap(bitmap, source, x, y);
    } else {
        surface.DrawMaskedBitmap(bitmap, source, x, y, maskColor);
    }
}

TGlyph::TGlyph(IDrawingResources& resources, std::string_view resourceName,
               TColor internalMaskColor)
    : resources_(resources), internalMaskColor_(internalMaskColor) {
    if (!resourceName.empty()) internal_ = resources_.LoadBitmapResource(resourceName);
}

TGlyph::~TGlyph() {
    if (internal_ != TBitmapHandle::None) resources_.FreeBitmap(internal_);
}

void TGlyph::SetGlyph(TBitmapHandle value) {
    glyph_ = value;
    Changed();
}

void TGlyph::SetMaskColor(TColor value) {
    if (maskColor_ == value) return;
    maskColor_ = value;
    Changed();
}

void TGlyph::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Changed();
}

TSize TGlyph::Size() const {
    if (glyph_ != TBitmapHandle::None) return resources_.BitmapSize(glyph_);
    if (internal_ != TBitmapHandle::None) return resources_.BitmapSize(internal_);
    return {};
}

void TGlyph::Draw(IDrawingSurface& surface, std::int32_t x, std::int32_t y,
                  std::int32_t rowHeight) const {
    const bool own = glyph_ != TBitmapHandle::None;
    const TBitmapHandle bitmap = own ? glyph_ : internal_;
    if (bitmap == TBitmapHandle::None) return;
    DrawGlyphFitted(surface, bitmap, Size(), x, y, rowHeight,
                    own ? maskColor_ : internalMaskColor_);
}

void TGlyph::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace mirevo
