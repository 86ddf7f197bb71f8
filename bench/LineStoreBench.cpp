// Setting a large text, against a plain memchr split of the same bytes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "textview/LineStore.h"

namespace {

// CPU time of the process: the machine is shared, so wall time would measure the neighbours.
struct Clock {
    static double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }
};

std::size_t HeapInUse() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Lines of 98 letters and CR LF: 100 bytes each, 64 MiB in all.
std::string HundredByteLines(std::size_t totalBytes) {
    std::string line(98, 'x');
    line += "\r\n";
    std::string text;
    text.reserve(totalBytes);
    while (text.size() + line.size() <= totalBytes) text += line;
    return text;
}

// The least any split must do: find every LF and note where each line starts.
std::size_t MemchrSplit(const std::string& text) {
    std::size_t lines = 0;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        p = lf ? static_cast<const char*>(lf) + 1 : end;
        benchmark::DoNotOptimize(p);
        ++lines;
    }
    return lines;
}

void BM_SetText64MiB(benchmark::State& state) {
    const std::string text = HundredByteLines(64u << 20);
    double baseline = 0;
    double copying = 0;
    double subject = 0;
    double heapPerLine = 0;
    for (auto _ : state) {
        const auto t0 = Clock::Now();
        benchmark::DoNotOptimize(MemchrSplit(text));
        const auto t1 = Clock::Now();
        {
            // Any store that owns its text pays this: the bytes copied into new memory.
            const auto c0 = Clock::Now();
            std::string copy = text;
            benchmark::DoNotOptimize(copy.data());
            copying += Clock::Now() - c0;
        }
        auto store = std::make_unique<mirevo::TLineStore>();
        const std::size_t heapBefore = HeapInUse();
        const auto t2 = Clock::Now();
        store->SetText(text);
        const auto t3 = Clock::Now();
        const std::size_t heap = HeapInUse() - heapBefore;
        heapPerLine = (static_cast<double>(heap) - 98.0 * store->Count()) / store->Count();
        baseline += t1 - t0;
        subject += t3 - t2;
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["ratio_vs_memchr_split"] = subject / baseline;
    state.counters["ratio_vs_copy_to_new_memory"] = subject / copying;
    state.counters["memchr_split_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
    state.counters["set_text_ms"] = 1000 * subject / static_cast<double>(state.iterations());
    state.counters["heap_bytes_per_line_beyond_text"] = heapPerLine;
    state.counters["limit_ratio"] = 4;
    state.counters["limit_bytes_per_line"] = 48;
}
BENCHMARK(BM_SetText64MiB)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same text handed over with its buffer: no copy of the bytes.
void BM_AdoptText64MiB(benchmark::State& state) {
    const std::string text = HundredByteLines(64u << 20);
    double baseline = 0;
    double subject = 0;
    for (auto _ : state) {
        const auto t0 = Clock::Now();
        benchmark::DoNotOptimize(MemchrSplit(text));
        const auto t1 = Clock::Now();
        auto store = std::make_unique<mirevo::TLineStore>();
        std::string copy = text;
        const auto t2 = Clock::Now();
        store->AdoptText(std::move(copy));
        const auto t3 = Clock::Now();
        baseline += t1 - t0;
        subject += t3 - t2;
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["ratio_vs_memchr_split"] = subject / baseline;
    state.counters["memchr_split_ms"] = 1000 * baseline / static_cast<double>(state.iterations());
    state.counters["adopt_text_ms"] = 1000 * subject / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AdoptText64MiB)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
