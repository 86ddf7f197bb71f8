// The file reader in standard C++; a failure's reason is the C library's text for errno.
#pragma once

#include "platform/FileReader.h"

namespace mirevo {

class PortableFileReader final : public IFileReader {
public:
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
};

}  // namespace mirevo
