// Cost of drawing a line through the text drawer, as a ratio to handing the same run and a
// ready spacing array to the surface directly.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DrawingSurface.h"
#include "bench/NullDrawing.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextDrawer.h"

namespace mirevo {
namespace {

using bench::NullResources;
using bench::NullSurface;

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
    NullSurface null{7};
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
    NullResources resources{7};
    TFontsInfoManager manager(resources);
    const TLogFont font = MakeLogFont("Courier New", -13, kDefaultCharset);
    TTextDrawer drawer({}, &font, manager);
    NullSurface surface{7};
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
