#include "platform/win32/Win32Surface.h"

#include <algorithm>
#include <vector>

#include "platform/win32/Win32Convert.h"

namespace mirevo {

namespace {

HFONT ToHfont(TFontHandle font) {
    return reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(font));
}
HBITMAP ToHbitmap(TBitmapHandle bitmap) {
    return reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(bitmap));
}
RECT ToRect(const TRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

// A memory context holding one bitmap for a copy.
class BitmapContext {
public:
    BitmapContext(HDC compatible, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatible)), previous_(SelectObject(dc_, bitmap)) {}
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;
    ~BitmapContext() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class Win32Surface final : public IDrawingSurface {
public:
    enum class Ownership { Borrowed, Screen };

    Win32Surface(HDC dc, Ownership ownership) : dc_(dc), ownership_(ownership) {}

    ~Win32Surface() noexcept override {
        if (originalFont_ != nullptr) SelectObject(dc_, originalFont_);
        if (originalPen_ != nullptr) SelectObject(dc_, originalPen_);
        for (const Pen& pen : pens_) DeleteObject(pen.Handle);
        if (ownership_ == Ownership::Screen) ReleaseDC(nullptr, dc_);
    }

    int SaveState() override { return SaveDC(dc_); }
    void RestoreState(int savedState) override { RestoreDC(dc_, savedState); }

    TFontHandle SelectFont(TFontHandle font) override {
        const HGDIOBJ own = originalFont_ != nullptr ? originalFont_ : GetStockObject(SYSTEM_FONT);
        const HGDIOBJ wanted = font == TFontHandle::None ? own : ToHfont(font);
        const HGDIOBJ previous = SelectObject(dc_, wanted);
        if (originalFont_ == nullptr) originalFont_ = previous;
        return TFontHandle{reinterpret_cast<std::uintptr_t>(previous)};
    }

    TTextMetrics Metrics() override {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc_, &tm);
        return {tm.tmHeight,          tm.tmAscent,         tm.tmDescent,      tm.tmInternalLeading,
                tm.tmExternalLeading, tm.tmAveCharWidth,   tm.tmMaxCharWidth, tm.tmWeight,
                tm.tmOverhang,        tm.tmPitchAndFamily, tm.tmCharSet};
    }

    std::optional<TABCWidths> CharWidths(unsigned char character) override {
        ABC abc{};
        if (!GetCharABCWidthsA(dc_, character, character, &abc)) return std::nullopt;
        return TABCWidths{abc.abcA, static_cast<std::int32_t>(abc.abcB), abc.abcC};
    }

    TSize TextExtent(std::string_view text) override {
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
        return {size.cx, size.cy};
    }

    void SetForeColor(TColor color) override { SetTextColor(dc_, ColorToRgb(color)); }
    void SetBackColor(TColor color) override { SetBkColor(dc_, ColorToRgb(color)); }
    void SetBackgroundMode(TBackgroundMode mode) override {
        SetBkMode(dc_, mode == TBackgroundMode::Transparent ? TRANSPARENT : OPAQUE);
    }

    TColorRef ColorToRgb(TColor color) override {
        return IsSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFFu))
                                    : color & 0xFFFFFFu;
    }

    void DrawTextRun(std::int32_t x, std::int32_t y, TTextOutOptions options, const TRect* rect,
                     std::string_view text, std::span<const std::int32_t> spacing) override {
        const RECT area = rect != nullptr ? ToRect(*rect) : RECT{};
        const INT* dx = spacing.size() >= text.size() && !spacing.empty()
                            ? reinterpret_cast<const INT*>(spacing.data())
                            : nullptr;
        ExtTextOutA(dc_, x, y, win32::TextOutFlagsOf(options), rect != nullptr ? &area : nullptr,
                    text.data(), static_cast<UINT>(text.size()), dx);
    }

    void SetBrushColor(TColor color) override { brush_ = color; }

    void FillRect(const TRect& rect) override {
        if (brush_ == clNone) return;
        SetDCBrushColor(dc_, ColorToRgb(brush_));
        const RECT area = ToRect(rect);
        ::FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }

    void SetPen(TColor color, std::int32_t width) override {
        penColor_ = color;
        penWidth_ = width;
    }

    // The pen is selected at each line: a RestoreState in between may have replaced it.
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        const HGDIOBJ previous = SelectObject(dc_, CurrentPen());
        if (originalPen_ == nullptr) originalPen_ = previous;
        MoveToEx(dc_, x1, y1, nullptr);
        LineTo(dc_, x2, y2);
    }

    void DrawBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                    std::int32_t y) override {
        const BitmapContext from(dc_, ToHbitmap(bitmap));
        BitBlt(dc_, x, y, source.Width(), source.Height(), from.Dc(), source.Left, source.Top,
               SRCCOPY);
    }

    // The brush is laid first, then the bitmap over it without its mask-coloured pixels.
    void DrawMaskedBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x, std::int32_t y,
                          TColor maskColor) override {
        FillRect({x, y, x + source.Width(), y + source.Height()});
        const BitmapContext from(dc_, ToHbitmap(bitmap));
        GdiTransparentBlt(dc_, x, y, source.Width(), source.Height(), from.Dc(), source.Left,
                          source.Top, source.Width(), source.Height(), ColorToRgb(maskColor));
    }

    // Pixels are repeated or dropped, not blended: the pictures are small and drawn crisp.
    void DrawBitmapScaled(TBitmapHandle bitmap, const TRect& source, const TRect& dest,
                          TColor maskColor) override {
        if (maskColor != clNone) FillRect(dest);
        const BitmapContext from(dc_, ToHbitmap(bitmap));
        if (maskColor != clNone) {
            GdiTransparentBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), from.Dc(),
                              source.Left, source.Top, source.Width(), source.Height(),
                              ColorToRgb(maskColor));
            return;
        }
        const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), from.Dc(), source.Left,
                   source.Top, source.Width(), source.Height(), SRCCOPY);
        SetStretchBltMode(dc_, oldMode);
    }

    TRect ClipRect() override {
        RECT box{};
        GetClipBox(dc_, &box);
        return {box.left, box.top, box.right, box.bottom};
    }

private:
    struct Pen {
        TColorRef Color;
        std::int32_t Width;
        HPEN Handle;
    };

    // Pens are kept until the surface goes: a saved state may still refer to one.
    HPEN CurrentPen() {
        const TColorRef color = ColorToRgb(penColor_);
        const auto found = std::find_if(pens_.begin(), pens_.end(), [&](const Pen& pen) {
            return pen.Color == color && pen.Width == penWidth_;
        });
        if (found != pens_.end()) return found->Handle;
        const HPEN pen = CreatePen(PS_SOLID, penWidth_, color);
        pens_.push_back({color, penWidth_, pen});
        return pen;
    }

    HDC dc_;
    Ownership ownership_;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    TColor brush_ = clWhite;
    TColor penColor_ = clBlack;
    std::int32_t penWidth_ = 1;
    std::vector<Pen> pens_;
};

}  // namespace

std::unique_ptr<IDrawingSurface> CreateWin32Surface(HDC dc) {
    return std::make_unique<Win32Surface>(dc, Win32Surface::Ownership::Borrowed);
}

std::unique_ptr<IDrawingSurface> CreateWin32ScreenSurface() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) return nullptr;
    return std::make_unique<Win32Surface>(screen, Win32Surface::Ownership::Screen);
}

}  // namespace mirevo
