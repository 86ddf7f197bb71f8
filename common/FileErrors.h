// The error of a file that exists but cannot be opened for reading.
#pragma once

#include <string>

#include "common/Exception.h"

namespace mirevo {

// "ファイル "<path>". <reason> は開けません", with the system's reason for the error.
class EFOpenError : public Exception {
public:
    EFOpenError(const std::string& path, const std::string& reason);
};

// The system's short text for an errno value.
std::string SystemErrorText(int error);

}  // namespace mirevo
