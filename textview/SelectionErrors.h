// The text view's own error class and the texts of its selection and clipboard failures.
#pragma once

#include <string>

#include "common/Exception.h"

namespace mirevo {

class ETextViewError : public Exception {
public:
    explicit ETextViewError(const std::string& message) : Exception(message) {}
};

inline constexpr const char* kCharTypesFailed = "GetStringTypeEx failed";
inline constexpr const char* kClipboardCopyFailed = "Clipboard copy operation failed";
inline constexpr const char* kClipboardPasteFailed = "Clipboard paste operation failed.";

}  // namespace mirevo
