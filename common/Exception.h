// The program's exceptions: one base carrying a message, and the assertion failure that
// names the source file and line of a broken invariant.
#pragma once

#include <stdexcept>
#include <string>

namespace mirevo {

// Base of every exception the program raises on purpose. The message is Shift-JIS text
// shown to the user by the application's top-level handler.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Raised by MIREVO_ASSERT: a caller misused a component.
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const std::string& condition, const char* file, int line);
};

}  // namespace mirevo

#define MIREVO_ASSERT(condition)                                                            \
    do {                                                                                    \
        if (!(condition)) throw ::mirevo::EAssertionFailed(#condition, __FILE__, __LINE__); \
    } while (false)
