#include "textview/Glyph.h"

#include <string>

namespace mirevo {

TGlyphPlacement PlaceGlyph(const TRect& source, std::uint32_t dpi, std::int32_t x, std::int32_t y,
                           std::int32_t rowHeight) {
    TGlyphPlacement at{source, {x, y, x + ToDevicePixels(source.Width(), dpi), y}};
    const std::int32_t height = ToDevicePixels(source.Height(), dpi);
    if (rowHeight < height) {
        // The source rows that fill the row, rounded to the nearest.
        const std::int32_t rows =
            source.Height() == height ? rowHeight : ToDesignPixels(rowHeight, dpi);
        at.source.Top = source.Top + (source.Height() - rows) / 2;
        at.source.Bottom = at.source.Top + rows;
        at.dest.Bottom = y + rowHeight;
    } else {
        at.dest.Top = y + (rowHeight - height) / 2;
        at.dest.Bottom = at.dest.Top + height;
    }
    return at;
}

void DrawPlacedGlyph(IDrawingSurface& surface, TBitmapHandle bitmap, const TGlyphPlacement& at,
                     TColor maskColor) {
    const TRect& s = at.source;
    const TRect& d = at.dest;
    if (s.Width() != d.Width() || s.Height() != d.Height()) {
        surface.DrawBitmapScaled(bitmap, s, d, maskColor);
    } else if (maskColor == clNone) {
        surface.DrawBitmap(bitmap, s, d.Left, d.Top);
    } else {
        surface.DrawMaskedBitmap(bitmap, s, d.Left, d.Top, maskColor);
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

void TGlyph::Draw(IDrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t rowHeight,
                  std::uint32_t dpi) const {
    const bool own = glyph_ != TBitmapHandle::None;
    const TBitmapHandle bitmap = own ? glyph_ : internal_;
    if (bitmap == TBitmapHandle::None) return;
    const TSize size = Size();
    DrawPlacedGlyph(surface, bitmap,
                    PlaceGlyph({0, 0, size.Width, size.Height}, dpi, x, y, rowHeight),
                    own ? maskColor_ : internalMaskColor_);
}

void TGlyph::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace mirevo
