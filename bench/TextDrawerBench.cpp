// Cost of drawing a line through the text drawer, as a ratio to handing the same run and a
// ready spacing array to the surface directly.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DrawingSurface.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextDrawer.h"

namespace mirevo {
namespace {

// A surface and resources that do nothing but touch what they are given.
class NullSurface final : public IDrawingSurface {
public:
    int SaveState() override { return 1; }
    void RestoreState(int) override {}
    TFontHandle SelectFont(TFontHandle font) override { return font; }
    TTextMetrics Metrics() override {
        TTextMetrics metrics;
        metrics.Height = 13;
        metrics.AveCharWidth = 7;
        return metrics;
    }
    std::optional<TABCWidths> CharWidths(unsigned char) override { return TABCWidths{0, 7, 0}; }
    TSize TextExtent(std::string_view) override { return {}; }
    void SetForeColor(TColor color) override { benchmark::DoNotOptimize(color); }
    void SetBackColor(TColor color) override { benchmark::DoNotOptimize(color); }
    void SetBackgroundMode(TBackgroundMode) override {}
    TColorRef ColorToRgb(TColor color) override { return color; }
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
    TRect ClipRect() override { return {}; }
};

class NullResources final : public IDrawingResources {
public:
    TFontHandle NewFont(const TLogFont&) override { return TFontHandle{++next_}; }
    void FreeFont(TFontHandle) noexcept override {}
    TLogFont DescribeFont(TFontHandle) override { return {}; }
    std::unique_ptr<IDrawingSurface> OpenScreenSurface() override {
        return std::make_unique<NullSurface>();
    }
    TBitmapHandle LoadBitmapResource(std::string_view) override { return TBitmapHandle::None; }
    void FreeBitmap(TBitmapHandle) noexcept override {}
    TSize BitmapSize(TBitmapHandle) override { return {}; }

private:
    std::uintptr_t next_ = 0;
};

const std::string kLine(80, 'x');
const TRect kRow{0, 0, 80 * 7, 13};
double baselineNanoseconds = 0;

double NanosecondsPerIteration(std::chrono::steady_clock::time_point start,
                               benchmark::State& state) {
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / static_cast<double>(state.iterations());
}

void ReportRatio(benchmark::State& state, double nanoseconds) {
    if (baselineNanoseconds > 0) state.counters["x_baseline"] = nanoseconds / baselineNanoseconds;
}

// Baseline: three runs of a row (before, selected, after) straight to the surface.
void BM_RowToSurface(benchmark::State& state) {
    NullSurface null;
    IDrawingSurface* target = &null;
    benchmark::DoNotOptimize(target);  // called through the port, as the drawer does
    IDrawingSurface& surface = *target;
    const std::vector<std::int32_t> spacing(kLine.size(), 7);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (int run = 0; run < 3; ++run) {
            surface.SetBackColor(run == 1 ? clHighlight : clWindow);
            surface.DrawTextRun(0, 0, TTextOutOptions::Opaque, &kRow, kLine, spacing);
        }
    }
    baselineNanoseconds = NanosecondsPerIteration(start, state);
}
BENCHMARK(BM_RowToSurface);

void BM_RowThroughDrawer(benchmark::State& state) {
    NullResources resources;
    TFontsInfoManager manager(resources);
    const TLogFont font = MakeLogFont("Courier New", -13, kDefaultCharset);
    TTextDrawer drawer({}, &font, manager);
    NullSurface surface;
    drawer.BeginDrawing(surface);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (int run = 0; run < 3; ++run) {
            drawer.SetBackColor(run == 1 ? clHighlight : clWindow);
            drawer.ExtTextOut(0, 0, TTextOutOptions::Opaque, &kRow, kLine);
        }
    }
    ReportRatio(state, NanosecondsPerIteration(start, state));
    drawer.EndDrawing();
}
BENCHMARK(BM_RowThroughDrawer);

}  // namespace
}  // namespace mirevo
