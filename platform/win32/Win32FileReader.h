// The file reader on Windows: a failure's reason is the system's own message for the error,
// in the system's language.
#pragma once

#include "platform/FileReader.h"

namespace mirevo {

class Win32FileReader final : public IFileReader {
public:
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
};

}  // namespace mirevo
