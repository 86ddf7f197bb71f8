// The profile writer on Windows: WritePrivateProfileStringA.
#pragma once

#include "platform/ProfileWriter.h"

namespace mirevo {

class Win32ProfileWriter final : public IProfileWriter {
public:
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override;
    void Flush(const std::string& path) override;
};

}  // namespace mirevo
