#include "platform/win32/Win32ProfileWriter.h"

#include <windows.h>

namespace mirevo {

bool Win32ProfileWriter::WriteString(const std::string& section, const std::string& key,
                                     const std::string& value, const std::string& path) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
           FALSE;
}

void Win32ProfileWriter::Flush(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace mirevo
