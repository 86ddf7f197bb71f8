// TGlyph: a small masked picture the text view draws in its gutter (the wrap glyph): the
// user's bitmap when set, else the built-in one loaded from a bitmap resource.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "common/Color.h"
#include "common/DpiScale.h"
#include "platform/DrawingSurface.h"

namespace mirevo {

// Where a picture's source rectangle goes when drawn from x into a row rowHeight high whose
// top is y, at dpi (its own pixels are design pixels, kDesignDpi to the inch): centred in a
// taller row; of a lower one only its middle rows show.
struct TGlyphPlacement {
    TRect source;
    TRect dest;
};
TGlyphPlacement PlaceGlyph(const TRect& source, std::uint32_t dpi, std::int32_t x, std::int32_t y,
                           std::int32_t rowHeight);
// Copies it when it keeps its size and stretches it when not. With a mask colour the mask
// shows the surface's brush; without (clNone) the copy is opaque.
void DrawPlacedGlyph(IDrawingSurface& surface, TBitmapHandle bitmap, const TGlyphPlacement& at,
                     TColor maskColor);

class TGlyph {
public:
    // The built-in picture is the resource of that name (none when empty or missing), drawn
    // with internalMaskColor as its mask. resources must outlive the glyph.
    TGlyph(IDrawingResources& resources, std::string_view resourceName, TColor internalMaskColor);
    ~TGlyph();
    TGlyph(const TGlyph&) = delete;
    TGlyph& operator=(const TGlyph&) = delete;

    std::function<void(TGlyph& sender)> OnChange;

    // The user's bitmap (not owned; None for empty) with its mask colour.
    TBitmapHandle Glyph() const { return glyph_; }
    void SetGlyph(TBitmapHandle value);
    TColor MaskColor() const { return maskColor_; }
    void SetMaskColor(TColor value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // Width and height of the bitmap it would draw; 0 when there is none.
    std::int32_t Width() const { return Size().Width; }
    std::int32_t Height() const { return Size().Height; }
    // Fitted into a row of rowHeight at (x, y), scaled to dpi.
    void Draw(IDrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t rowHeight,
              std::uint32_t dpi = kDesignDpi) const;

private:
    TSize Size() const;
    void Changed();

    IDrawingResources& resources_;
    TBitmapHandle internal_ = TBitmapHandle::None;
    TColor internalMaskColor_;
    TBitmapHandle glyph_ = TBitmapHandle::None;
    TColor maskColor_ = clNone;
    bool visible_ = true;
};

}  // namespace mirevo
