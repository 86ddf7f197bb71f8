// Port: reading a whole file, with the system's own words when it fails.
#pragma once

#include <optional>
#include <string>

namespace mirevo {

class IFileReader {
public:
    virtual ~IFileReader() = default;
    // The file's bytes; nullopt when there is no such file. A file that exists but cannot be
    // read (locked, denied, a folder) raises EFOpenError with the system's text for the error.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
};

}  // namespace mirevo
