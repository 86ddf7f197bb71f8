// The system's own profile writer, WritePrivateProfileStringA, whose layout ours follow.
#pragma once

#include <windows.h>

#include "platform/ProfileWriter.h"

namespace mirevo::testing_support {

class Win32PrivateProfileWriter final : public IProfileWriter {
public:
    bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override {
        return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                          path.c_str()) != FALSE;
    }
    void Flush(const std::string& path) override {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    }
};

}  // namespace mirevo::testing_support
