// A drawing surface and resources that draw nothing, for the benchmarks: they only touch
// what they are given, so the measured work is the caller's.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "platform/DrawingSurface.h"

namespace mirevo::bench {

// A fixed-pitch font of 13-pixel rows and cells of cellWidth pixels; a 400 by 300 clip.
class NullSurface final : public IDrawingSurface {
public:
    explicit NullSurface(std::int32_t cellWidth) : cellWidth_(cellWidth) {}
    int SaveState() override { return 1; }
    void RestoreState(int) override {}
    TFontHandle SelectFont(TFontHandle font) override { return font; }
    TTextMetrics Metrics() override {
        return {13, 11, 2, 0, 0, cellWidth_, 2 * cellWidth_, 400, 0, 0, 128};
    }
    std::optional<TABCWidths> CharWidths(unsigned char) override {
        return TABCWidths{0, cellWidth_, 0};
    }
    TSize TextExtent(std::string_view text) override {
        return {static_cast<std::int32_t>(text.size()) * cellWidth_, 13};
    }
    void SetForeColor(TColor color) override { benchmark::DoNotOptimize(color); }
    void SetBackColor(TColor color) override { benchmark::DoNotOptimize(color); }
    void SetBackgroundMode(TBackgroundMode) override {}
    TColorRef ColorToRgb(TColor color) override { return color & 0xFFFFFF; }
    void DrawTextRun(std::int32_t, std::int32_t, TTextOutOptions, const TRect*,
                     std::string_view text, std::span<const std::int32_t> spacing) override {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(spacing.data());
    }
    void SetBrushColor(TColor) override {}
    void FillRect(const TRect&) override {}
    void SetPen(TColor, std::int32_t) override {}
    void DrawLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void DrawBitmap(TBitmapHandle, const TRect&, std::int32_t, std::int32_t) override {}
    void DrawMaskedBitmap(TBitmapHandle, const TRect&, std::int32_t, std::int32_t,
                          TColor) override {}
    void DrawBitmapScaled(TBitmapHandle, const TRect&, const TRect&, TColor) override {}
    TRect ClipRect() override { return {0, 0, 400, 300}; }

private:
    std::int32_t cellWidth_;
};

// Fonts are numbered; every bitmap is a 15 by 14 glyph.
class NullResources final : public IDrawingResources {
public:
    explicit NullResources(std::int32_t cellWidth) : cellWidth_(cellWidth) {}
    TFontHandle NewFont(const TLogFont&) override { return TFontHandle{++next_}; }
    void FreeFont(TFontHandle) noexcept override {}
    TLogFont DescribeFont(TFontHandle) override { return {}; }
    std::unique_ptr<IDrawingSurface> OpenScreenSurface() override {
        return std::make_unique<NullSurface>(cellWidth_);
    }
    TBitmapHandle LoadBitmapResource(std::string_view) override { return TBitmapHandle{1}; }
    void FreeBitmap(TBitmapHandle) noexcept override {}
    TSize BitmapSize(TBitmapHandle) override { return {15, 14}; }

private:
    std::int32_t cellWidth_;
    std::uintptr_t next_ = 0;
};

}  // namespace mirevo::bench
