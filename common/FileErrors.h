// The errors of files that cannot be opened for reading or cannot be written.
#pragma once

#include <string>

#include "common/Exception.h"

namespace mirevo {

// "ファイル "<path>". <reason> は開けません", with the system's reason for the error.
class EFOpenError : public Exception {
public:
    EFOpenError(const std::string& path, const std::string& reason);
};

// A file that cannot be created, opened for writing or written. With a path and the system's
// reason: "ファイル "<path>" を作成できません. <reason>"; or with a message of the caller's.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
    EFCreateError(const std::string& path, const std::string& reason);
};

// The system's short text for an errno value.
std::string SystemErrorText(int error);

}  // namespace mirevo
