#include "platform/win32/Win32FileReader.h"

#include <windows.h>

#include "common/FileErrors.h"
#include "platform/win32/Win32FileHandle.h"

namespace mirevo {

std::optional<std::string> Win32FileReader::ReadWholeFile(const std::string& path) {
    const Win32FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw EFOpenError(path, Win32ErrorText(error));
    }
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    for (;;) {
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr)) {
            throw EFOpenError(path, Win32ErrorText(GetLastError()));
        }
        if (count == 0) break;
        bytes.append(buffer, count);
    }
    return bytes;
}

}  // namespace mirevo
