#include "platform/win32/Win32FileHandle.h"

#include "common/Exception.h"
#include "common/FileErrors.h"
#include "common/Trim.h"

namespace mirevo {

bool WriteAll(const Win32FileHandle& file, std::string_view bytes) {
    const auto size = static_cast<DWORD>(bytes.size());
    MIREVO_ASSERT(size == bytes.size());  // also where a size_t holds no more than a DWORD
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) return false;
    if (written == size) return true;
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

namespace {

void WriteTemporary(const std::string& temporary, std::string_view bytes) {
    Win32FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) throw EFCreateError(temporary, Win32ErrorText(GetLastError()));
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
        const DWORD error = GetLastError();
        file.Close();
        DeleteFileA(temporary.c_str());
        throw EFCreateError(temporary, Win32ErrorText(error));
    }
}

}  // namespace

void ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    WriteTemporary(temporary, bytes);
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        throw EFCreateError(path, Win32ErrorText(error));
    }
}

std::string Win32ErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? Trim(std::string(text, length)) : "";
    if (text) LocalFree(text);
    return message.empty() ? "(" + std::to_string(error) + ")" : message;
}

}  // namespace mirevo
