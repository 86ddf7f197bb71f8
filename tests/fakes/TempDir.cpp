#include "tests/fakes/TempDir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace mirevo::testing_support {

namespace {
std::filesystem::path UniqueFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto name = "mirevo-test-" + std::to_string(random()) + "-" + std::to_string(++counter);
    return std::filesystem::temp_directory_path() / name;
}
}  // namespace

TempDir::TempDir() : path_(UniqueFolder()) { std::filesystem::create_directories(path_); }

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return (path_ / name).string(); }

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return File(name);
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace mirevo::testing_support
