// QueryValueEncode against a plain copy of the same bytes, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>

#include "linkgen/QueryValueEncode.h"

namespace {

// A merchant address with a query and some two-byte characters, repeated to the length.
std::string SampleUrl(std::size_t length) {
    const std::string piece =
        "http://item.example.co.jp/shop/item-12345/?scid=af_link&kw=\x93\xFA\x96\x7B+a b";
    std::string url;
    while (url.size() < length) url += piece;
    url.resize(length);
    return url;
}

template <typename Work>
double SecondsPerRun(Work&& work, int runs) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

// Counter "x_memcpy": how many times longer encoding takes than copying the same bytes.
void BM_QueryValueEncode(benchmark::State& state) {
    const auto url = SampleUrl(static_cast<std::size_t>(state.range(0)));
    std::string copy(url.size(), '\0');
    const auto copyBytes = [&] {
        std::memcpy(copy.data(), url.data(), url.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    };
    const auto encode = [&] {
        auto encoded = mirevo::QueryValueEncode(url);
        benchmark::DoNotOptimize(encoded.data());
    };
    for (auto _ : state) encode();
    const double ratio = SecondsPerRun(encode, 2000) / SecondsPerRun(copyBytes, 2000);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.counters["x_memcpy"] = ratio;
}

BENCHMARK(BM_QueryValueEncode)->Arg(64)->Arg(1024)->Arg(65536);

}  // namespace
