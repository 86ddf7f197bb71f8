// TGlyph: a small masked picture the text view draws in its gutter (the wrap glyph): the
// user's bitmap when set, else the built-in one loaded from a bitmap resource.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "common/Color.h"
#include "platform/DrawingSurface.h"

namespace mirevo {

// Draws a glyph of the given size into a row of height rowHeight at (x, y): a taller glyph
// shows its middle rows, a shorter one is centred. With a mask colour the mask shows the
// surface's brush; without (clNone) the copy is opaque.
void DrawGlyphFitted(IDrawingSurface& surface, TBitmapHandle bitmap, TSize size, std::int32_t x,
                     std::int32_t y, std::int32_t rowHeight, TColor maskColor);

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
    void Draw(IDrawingSurface& surface, std::int32_t x, std::int32_t y,
              std::int32_t rowHeight) const;

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
