// Runs a fuzz target without libFuzzer. A number runs that many seeded pseudo-random inputs,
// biased towards the bytes that matter to this program (line breaks, '=', '[', Shift-JIS lead
// bytes, NUL); a folder replays every file in it (the kept corpus), a file replays that file.
//
// Usage: fuzz_<target> [RUNS | FOLDER | FILE]...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

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

void RunRandom(long runs) {
    std::mt19937 rng(20261207u);
    for (long i = 0; i < runs; ++i) {
        const auto input = RandomInput(rng);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld random inputs passed\n", runs);
}

// Copied into a buffer of exactly the file's size, so the sanitizers see any read past it.
void RunFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    const auto input = std::make_unique<std::uint8_t[]>(std::max<std::size_t>(bytes.size(), 1));
    std::copy(bytes.begin(), bytes.end(), input.get());
    LLVMFuzzerTestOneInput(input.get(), bytes.size());
}

// Sorted, so a failure names the same file on every machine; a missing folder is an error,
// not an empty pass.
bool Replay(const fs::path& path) {
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        RunFile(path);
        std::printf("replayed %s\n", path.string().c_str());
        return true;
    }
    if (!fs::is_directory(path, error)) {
        std::fprintf(stderr, "no such corpus file or folder: %s\n", path.string().c_str());
        return false;
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(path)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::fprintf(stderr, "%s\n", file.filename().string().c_str());
        RunFile(file);
    }
    std::printf("%zu corpus inputs of %s passed\n", files.size(), path.string().c_str());
    return true;
}

bool IsCount(const std::string& argument) {
    return !argument.empty() && argument.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) RunRandom(10000);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (IsCount(argument)) {
            RunRandom(std::strtol(argument.c_str(), nullptr, 10));
        } else if (!Replay(argument)) {
            return 1;
        }
    }
    return 0;
}
