#include "common/Exception.h"

namespace mirevo {

namespace {
std::string BaseName(const char* path) {
    const std::string text = path;
    const auto slash = text.find_last_of("/\\");
    return slash == std::string::npos ? text : text.substr(slash + 1);
}
}  // namespace

EAssertionFailed::EAssertionFailed(const std::string& condition, const char* file, int line)
    : Exception("Assertion failed: " + condition + " (" + BaseName(file) + ", line " +
                std::to_string(line) + ")") {}

}  // namespace mirevo
