// The profile writer in standard C++, for the native build.
#pragma once

#include "platform/ProfileWriter.h"

namespace mirevo {

// Lays files out as Windows does: "key=value" lines ending in CR LF, a replaced key keeping
// its spelling in the file, a new key after the last non-blank line of its section, a new
// section at the end of the file. Names match as the settings reader matches them, without
// the blanks at their ends; where a file holds a section or key twice, the last one is
// written, since that is the one the reader sees. Each write replaces the file by renaming a
// complete copy over it, so a failure never leaves half a file. Nothing is cached.
class PortableProfileWriter final : public IProfileWriter {
public:
    // Refuses (false) a section, key or value holding CR, LF or NUL, a section ending in a
    // lead byte (its header would not close) and a key holding "=" or starting with ";" or
    // "[" after its blanks, since none of them would read back as written; also a file that
    // cannot be read or replaced.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    // Nothing to flush.
    void Flush(const std::string& path) override;
};

}  // namespace mirevo
