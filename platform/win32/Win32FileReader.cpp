#include "platform/win32/Win32FileReader.h"

#include <windows.h>

#include "common/FileErrors.h"
#include "common/Trim.h"

namespace mirevo {

namespace {

std::string MessageOf(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? Trim(std::string(text, length)) : "";
    if (text) LocalFree(text);
    return message.empty() ? "(" + std::to_string(error) + ")" : message;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::optional<std::string> Win32FileReader::ReadWholeFile(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw EFOpenError(path, MessageOf(error));
    }
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    for (;;) {
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr)) {
            throw EFOpenError(path, MessageOf(GetLastError()));
        }
        if (count == 0) break;
        bytes.append(buffer, count);
    }
    return bytes;
}

}  // namespace mirevo
