// Runs a fuzz target without libFuzzer: seeded pseudo-random inputs, biased towards the
// bytes that matter to this program (line breaks, '=', '[', Shift-JIS lead bytes, NUL).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr std::uint8_t kInteresting[] = {'\r', '\n', '\0', '=',  '[',  ']',  ';',  ' ',  '\t',
                                         '0',  'x',  '$',  '-',  '+',  '%',  0x81, 0x82, 0x9F,
                                         0xE0, 0xFC, 0x5C, 0x40, 0x7F, 0x80, 0xA0, 0xFF};

std::vector<std::uint8_t> RandomInput(std::mt19937& rng) {
    std::uniform_int_distribution<std::size_t> length(0, 256);
    std::uniform_int_distribution<int> coin(0, 3);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kInteresting - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> input(length(rng));
    for (auto& b : input) {
        b = coin(rng) == 0 ? static_cast<std::uint8_t>(byte(rng)) : kInteresting[pick(rng)];
    }
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    std::mt19937 rng(20261207u);
    for (long i = 0; i < runs; ++i) {
        const auto input = RandomInput(rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld passed, 0 failed\n", runs);
    return 0;
}
