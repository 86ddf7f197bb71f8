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
// Read to the nanosecond, as the inserts and deletes are timed a few at a time.
double Now() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

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
    double layoutBytes = 0;
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
        layoutBytes = static_cast<double>(HeapInUse() - heapBefore);
        baseline += t1 - t0;
        layout += t3 - t2;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["layout_s"] = layout / runs;
    state.counters["ratio_vs_reading_lines"] = layout / baseline;
    state.counters["rows"] = host.Wrap().RowCount();
    const double lines = host.Lines().Count();
    const double rows = host.Wrap().RowCount();
    state.counters["layout_bytes_per_line"] = layoutBytes / lines;
    // At most one byte a row and four a line.
    state.counters["layout_bytes_vs_budget"] = layoutBytes / (rows + 4 * lines);
    state.counters["limit"] = 1;
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

// A 10-line and a 1,000,000-line text, both wrapped, edited in their middle lines.
struct SmallAndLarge {
    SmallAndLarge() {
        small.Lines().SetText(Text(10));
        large.Lines().SetText(Text(1000000));
        small.AttachWrap();
        large.AttachWrap();
    }
    static constexpr std::int32_t kSmallLine = 5;
    static constexpr std::int32_t kLargeLine = 500000;
    WrapTestHost small{80};
    WrapTestHost large{80};
};

// The cost of a change in the large text against the small one, with the limit beside.
void Report(benchmark::State& state, double smallCost, double largeCost, double limit) {
    state.counters["small_us"] = smallCost * 1e6;
    state.counters["large_us"] = largeCost * 1e6;
    state.counters["ratio_large_vs_small"] = largeCost / smallCost;
    state.counters["limit"] = limit;
}

void ReportRatio(benchmark::State& state, const Change& change, double limit) {
    SmallAndLarge texts;
    // The first change in the middle moves the store's gap there; users edit in one place.
    change(texts.large, texts.kLargeLine, 0);
    change(texts.large, texts.kLargeLine, 1);
    double smallCost = 0;
    double largeCost = 0;
    for (auto _ : state) {
        smallCost = PerChange([&](int step) { change(texts.small, texts.kSmallLine, step); });
        largeCost = PerChange([&](int step) { change(texts.large, texts.kLargeLine, step); });
    }
    Report(state, smallCost, largeCost, limit);
}

// The same number of rows before and after.
void BM_ReplaceKeepingRows(benchmark::State& state) {
    const std::string a = WordLine(100, 'a');
    const std::string b = WordLine(100, 'b');
    ReportRatio(
        state,
        [&](WrapTestHost& host, std::int32_t line, int step) {
            host.Lines().Put(line, step % 2 ? a : b);
        },
        20);
}
BENCHMARK(BM_ReplaceKeepingRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// Two rows become four and back: the row count of the text changes with every replace.
void BM_ReplaceChangingRows(benchmark::State& state) {
    const std::string shortLine = WordLine(100, 'a');
    const std::string longLine = WordLine(300, 'b');
    ReportRatio(
        state,
        [&](WrapTestHost& host, std::int32_t line, int step) {
            host.Lines().Put(line, step % 2 ? shortLine : longLine);
        },
        20);
}
BENCHMARK(BM_ReplaceChangingRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// One line inserted, and one deleted: the store's records move as well as the rows.
void ReportInsertOrDelete(benchmark::State& state, bool inserts) {
    const std::string text = WordLine(100, 'a');
    SmallAndLarge texts;
    const auto cost = [&](WrapTestHost& host, std::int32_t line) {
        double timed = 0;
        int changes = 0;
        while (timed < 0.05) {
            for (int i = 0; i < 8; ++i) {
                const double t0 = Now();
                for (int k = 0; k < 8; ++k) host.Lines().Insert(line, text);
                const double t1 = Now();
                for (int k = 0; k < 8; ++k) host.Lines().Delete(line);
                const double t2 = Now();
                timed += inserts ? t1 - t0 : t2 - t1;
                changes += 8;
            }
        }
        return timed / changes;
    };
    cost(texts.large, texts.kLargeLine);  // moves the store's gap to where the edits are
    double smallCost = 0;
    double largeCost = 0;
    for (auto _ : state) {
        smallCost = cost(texts.small, texts.kSmallLine);
        largeCost = cost(texts.large, texts.kLargeLine);
    }
    Report(state, smallCost, largeCost, 20);
}

void BM_InsertLine(benchmark::State& state) { ReportInsertOrDelete(state, true); }
BENCHMARK(BM_InsertLine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DeleteLine(benchmark::State& state) { ReportInsertOrDelete(state, false); }
BENCHMARK(BM_DeleteLine)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
