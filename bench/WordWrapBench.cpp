// The word wrap: laying out a million lines, and what one changed line costs in a large
// text against the same change in a small one.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <ctime>
#include <functional>
#include <string>

#include "tests/textview/WordWrapTestHost.h"

namespace {

using mirevo::testing_support::WrapTestHost;

// CPU time of the process: the machine is shared, so wall time would measure the neighbours.
double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

std::size_t HeapInUse() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Words of three to nine letters and blanks; exactly `length` bytes.
std::string WordLine(std::size_t length, char letter) {
    std::string line;
    for (std::size_t word = 3; line.size() < length; word = word % 7 + 3) {
        line.append(word, letter);
        line += ' ';
    }
    line.resize(length);
    return line;
}

std::string Text(std::size_t lines) {
    const std::string line = WordLine(100, 'w') + "\r\n";
    std::string text;
    text.reserve(lines * line.size());
    for (std::size_t i = 0; i < lines; ++i) text += line;
    return text;
}

void BM_WrapMillionLinesAt80(benchmark::State& state) {
    WrapTestHost host(80);
    host.Lines().SetText(Text(1000000));
    double baseline = 0;
    double layout = 0;
    double layoutBytesPerLine = 0;
    for (auto _ : state) {
        // The least any layout does: fetch every expanded line and touch its bytes.
        const double t0 = Now();
        std::size_t bytes = 0;
        for (std::int32_t i = 0; i < host.Lines().Count(); ++i) {
            const std::string_view line = host.Lines().ExpandedLine(i);
            bytes += line.size() + static_cast<unsigned char>(line.back());
        }
        benchmark::DoNotOptimize(bytes);
        const double t1 = Now();
        state.PauseTiming();
        host.DetachWrap();
        const std::size_t heapBefore = HeapInUse();
        state.ResumeTiming();
        const double t2 = Now();
        host.AttachWrap();
        const double t3 = Now();
        layoutBytesPerLine = static_cast<double>(HeapInUse() - heapBefore) / host.Lines().Count();
        baseline += t1 - t0;
        layout += t3 - t2;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["layout_s"] = layout / runs;
    state.counters["ratio_vs_reading_lines"] = layout / baseline;
    state.counters["rows"] = host.Wrap().RowCount();
    state.counters["layout_bytes_per_line"] = layoutBytesPerLine;
}
BENCHMARK(BM_WrapMillionLinesAt80)->Unit(benchmark::kMillisecond)->Iterations(3);

// Average CPU seconds of one change, run until the clock has moved enough to be exact.
double PerChange(const std::function<void(int)>& change) {
    int done = 0;
    const double start = Now();
    double elapsed = 0;
    while (elapsed < 0.05) {
        for (int i = 0; i < 16; ++i) change(done++);
        elapsed = Now() - start;
    }
    return elapsed / done;
}

// One kind of change made in turn to the middle of a 10-line and a 1,000,000-line text.
using Change = std::function<void(WrapTestHost&, std::int32_t line, int step)>;

void ReportRatio(benchmark::State& state, const Change& change) {
    WrapTestHost small(80);
    WrapTestHost large(80);
    small.Lines().SetText(Text(10));
    large.Lines().SetText(Text(1000000));
    small.AttachWrap();
    large.AttachWrap();
    double smallCost = 0;
    double largeCost = 0;
    for (auto _ : state) {
        smallCost = PerChange([&](int step) { change(small, 5, step); });
        largeCost = PerChange([&](int step) { change(large, 500000, step); });
    }
    state.counters["small_us"] = smallCost * 1e6;
    state.counters["large_us"] = largeCost * 1e6;
    state.counters["ratio_large_vs_small"] = largeCost / smallCost;
}

// The same number of rows before and after: no array moves at all.
void BM_ReplaceKeepingRows(benchmark::State& state) {
    const std::string a = WordLine(100, 'a');
    const std::string b = WordLine(100, 'b');
    ReportRatio(state, [&](WrapTestHost& host, std::int32_t line, int step) {
        host.Lines().Put(line, step % 2 ? a : b);
    });
}
BENCHMARK(BM_ReplaceKeepingRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// Two rows become four and back: the later rows and line ends move once per change.
void BM_ReplaceChangingRows(benchmark::State& state) {
    const std::string shortLine = WordLine(100, 'a');
    const std::string longLine = WordLine(300, 'b');
    ReportRatio(state, [&](WrapTestHost& host, std::int32_t line, int step) {
        host.Lines().Put(line, step % 2 ? shortLine : longLine);
    });
}
BENCHMARK(BM_ReplaceChangingRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// A line inserted and deleted again: the store's records move as well.
void BM_InsertOrDeleteLine(benchmark::State& state) {
    const std::string text = WordLine(100, 'a');
    ReportRatio(state, [&](WrapTestHost& host, std::int32_t line, int step) {
        if (step % 2) {
            host.Lines().Delete(line);
        } else {
            host.Lines().Insert(line, text);
        }
    });
}
BENCHMARK(BM_InsertOrDeleteLine)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
