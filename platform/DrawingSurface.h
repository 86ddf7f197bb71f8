// Ports for drawing: a surface to draw on and the process's fonts, bitmaps and screen.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "common/Color.h"
#include "common/Geometry.h"
#include "platform/LogFont.h"

namespace mirevo {

// Handles owned by IDrawingResources; None is "no object".
enum class TFontHandle : std::uintptr_t { None = 0 };
enum class TBitmapHandle : std::uintptr_t { None = 0 };

// The metrics of the selected font, in pixels.
struct TTextMetrics {
    std::int32_t Height = 0;
    std::int32_t Ascent = 0;
    std::int32_t Descent = 0;
    std::int32_t InternalLeading = 0;
    std::int32_t ExternalLeading = 0;
    std::int32_t AveCharWidth = 0;
    std::int32_t MaxCharWidth = 0;
    std::int32_t Weight = 0;
    std::int32_t Overhang = 0;
    std::uint8_t PitchAndFamily = 0;
    std::uint8_t CharSet = 0;
};

// How one character advances: A (before the glyph), B (the glyph), C (after it).
struct TABCWidths {
    std::int32_t A = 0;
    std::int32_t B = 0;
    std::int32_t C = 0;
    friend bool operator==(const TABCWidths&, const TABCWidths&) = default;
};

// Options of a text run; the values are the platform's.
enum class TTextOutOptions : std::uint32_t {
    None = 0,
    Opaque = 2,   // fill the rectangle with the background colour first
    Clipped = 4,  // draw nothing outside the rectangle
};
constexpr TTextOutOptions operator|(TTextOutOptions a, TTextOutOptions b) {
    return TTextOutOptions{static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b)};
}
constexpr bool HasOption(TTextOutOptions set, TTextOutOptions option) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(option)) != 0;
}

enum class TBackgroundMode { Opaque, Transparent };

// One device context to draw on. The context's state (font, text and background colours,
// background mode) is bracketed by SaveState and RestoreState; brush and pen belong to the
// surface and stay. Text is Shift-JIS bytes. A surface made on a borrowed context gives back
// what it selected into it when destroyed.
class IDrawingSurface {
public:
    IDrawingSurface() = default;
    IDrawingSurface(const IDrawingSurface&) = delete;
    IDrawingSurface& operator=(const IDrawingSurface&) = delete;
    virtual ~IDrawingSurface() noexcept = default;

    // Saves the whole drawing state; RestoreState(id) returns to it and drops every state
    // saved after it. 0 when the platform refuses.
    virtual int SaveState() = 0;
    virtual void RestoreState(int savedState) = 0;

    // Selects a font (made by IDrawingResources), or with None the context's own font again,
    // and returns the one it replaces.
    virtual TFontHandle SelectFont(TFontHandle font) = 0;
    virtual TTextMetrics Metrics() = 0;
    // Widths of a single-byte character in the selected font; none for fonts without them
    // (bitmap fonts).
    virtual std::optional<TABCWidths> CharWidths(unsigned char character) = 0;
    // Size of text drawn without a spacing array.
    virtual TSize TextExtent(std::string_view text) = 0;

    virtual void SetForeColor(TColor color) = 0;
    virtual void SetBackColor(TColor color) = 0;
    virtual void SetBackgroundMode(TBackgroundMode mode) = 0;
    // The RGB value a colour is drawn in (system colours resolved).
    virtual TColorRef ColorToRgb(TColor color) = 0;

    // Draws text with its reference point's top left at (x, y). With Opaque the rectangle is
    // filled in the background colour first, with Clipped nothing leaves it; rect may be
    // null without either. spacing, when not empty, holds the advance of each byte (at least
    // text.size() entries); a two-byte character advances by the sum of its two entries.
    virtual void DrawTextRun(std::int32_t x, std::int32_t y, TTextOutOptions options,
                             const TRect* rect, std::string_view text,
                             std::span<const std::int32_t> spacing) = 0;

    // The brush fills rectangles and shows through the mask of masked glyphs; clNone makes
    // it clear (fills draw nothing, masks stay transparent).
    virtual void SetBrushColor(TColor color) = 0;
    virtual void FillRect(const TRect& rect) = 0;

    virtual void SetPen(TColor color, std::int32_t width) = 0;
    // A line from (x1, y1) up to, not including, (x2, y2) in the current pen.
    virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;

    // Copies the source rectangle of a bitmap to (x, y) unchanged.
    virtual void DrawBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                            std::int32_t y) = 0;
    // Copies it with every pixel of maskColor replaced by the current brush colour (left as
    // it was under a clear brush).
    virtual void DrawMaskedBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                                  std::int32_t y, TColor maskColor) = 0;
    // Stretches the source rectangle onto dest (a picture drawn at another density than its
    // own), masked as DrawMaskedBitmap does unless maskColor is clNone.
    virtual void DrawBitmapScaled(TBitmapHandle bitmap, const TRect& source, const TRect& dest,
                                  TColor maskColor) = 0;

    // The area that needs drawing (the paint clip), in the surface's coordinates.
    virtual TRect ClipRect() = 0;
};

// The drawing resources of the process: fonts from logical-font records, glyph bitmaps from
// the program's resources, and a surface on the screen to measure fonts on. Whatever it
// makes, the caller gives back through it.
class IDrawingResources {
public:
    IDrawingResources() = default;
    IDrawingResources(const IDrawingResources&) = delete;
    IDrawingResources& operator=(const IDrawingResources&) = delete;
    virtual ~IDrawingResources() noexcept = default;

    // None when the platform refuses.
    virtual TFontHandle NewFont(const TLogFont& font) = 0;
    virtual void FreeFont(TFontHandle font) noexcept = 0;
    // The record the platform holds for a font (after its own adjustments).
    virtual TLogFont DescribeFont(TFontHandle font) = 0;

    // A surface on the whole screen, given back when the pointer is destroyed.
    virtual std::unique_ptr<IDrawingSurface> OpenScreenSurface() = 0;

    // None when there is no bitmap resource of that name.
    virtual TBitmapHandle LoadBitmapResource(std::string_view name) = 0;
    virtual void FreeBitmap(TBitmapHandle bitmap) noexcept = 0;
    virtual TSize BitmapSize(TBitmapHandle bitmap) = 0;
};

}  // namespace mirevo
