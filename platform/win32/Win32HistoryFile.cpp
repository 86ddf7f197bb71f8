#include "platform/win32/Win32HistoryFile.h"

#include <windows.h>

#include <utility>

#include "common/FileErrors.h"
#include "platform/win32/Win32FileHandle.h"
#include "platform/win32/Win32FileReader.h"

namespace mirevo {

namespace {

// Other copies of the program may read, append and replace the file meanwhile.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

void Win32HistoryFile::Replace(std::string_view bytes) { ReplaceWholeFile(path_, bytes); }

}  // namespace mirevo
