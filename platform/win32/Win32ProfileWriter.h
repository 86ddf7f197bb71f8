// The profile writer on Windows. WritePrivateProfileStringA rewrites the file in place and,
// under Wine, reports success when the disk fills halfway through, leaving half a file; so
// every key is stored by writing the whole file anew through a temporary one.
#pragma once

#include "platform/ProfileWriter.h"

namespace mirevo {

// Lays the file out as WritePrivateProfileStringA does (common/IniText.h). Refuses (false)
// what would not read back as written, a file that exists but cannot be read (locked, a
// folder) and a write that cannot be made whole; the file then stays as it was. Nothing is
// cached.
class Win32ProfileWriter final : public IProfileWriter {
public:
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    // Nothing to flush.
    void Flush(const std::string& path) override;
};

}  // namespace mirevo
