// Port: the platform's per-key profile (INI file) writer.
#pragma once

#include <string>

namespace mirevo {

class IProfileWriter {
public:
    virtual ~IProfileWriter() = default;

    // Stores value under section and key in the file at path: replaces the key's value in
    // place, or adds the key at the end of its section, or adds the section at the end of the
    // file, creating the file when it is missing. Everything else in the file stays as it was.
    // False when the platform refuses the write.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value, const std::string& path) = 0;

    // Asks the platform to flush any cached copy of the file. Its outcome is not reported:
    // some platforms answer failure to it where others answer success.
    virtual void Flush(const std::string& path) = 0;
};

}  // namespace mirevo
