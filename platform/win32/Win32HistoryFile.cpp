#include "platform/win32/Win32HistoryFile.h"

#include <windows.h>

#include <utility>

#include "common/Exception.h"
#include "common/FileErrors.h"
#include "platform/win32/Win32FileHandle.h"
#include "platform/win32/Win32FileReader.h"

namespace mirevo {

namespace {

// Other copies of the program may read, append and replace the file meanwhile.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// One WriteFile of all the bytes; false when it fails or writes fewer.
bool WriteAll(const Win32FileHandle& file, std::string_view bytes) {
    const auto size = static_cast<DWORD>(bytes.size());
    MIREVO_ASSERT(size == bytes.size());  // also where a size_t holds no more than a DWORD
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), size, &written, nullptr)) return false;
    if (written == size) return true;
    SetLastError(ERROR_WRITE_FAULT);
    return false;
}

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

Win32HistoryFile::Win32HistoryFile(std::string path) : path_(std::move(path)) {}

std::string Win32HistoryFile::ReadAll() {
    return Win32FileReader().ReadWholeFile(path_).value_or(std::string());
}

void Win32HistoryFile::Append(std::string_view bytes) {
    // FILE_APPEND_DATA alone: every write goes to the end, also past another writer's.
    const Win32FileHandle file(CreateFileA(path_.c_str(), FILE_APPEND_DATA, kShareAll, nullptr,
                                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen() || !WriteAll(file, bytes)) {
        throw EFCreateError(path_, Win32ErrorText(GetLastError()));
    }
}

void Win32HistoryFile::Replace(std::string_view bytes) {
    const std::string temporary = path_ + ".tmp";
    WriteTemporary(temporary, bytes);
    if (!MoveFileExA(temporary.c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        throw EFCreateError(path_, Win32ErrorText(error));
    }
}

}  // namespace mirevo
