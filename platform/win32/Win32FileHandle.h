// An owned file handle, closed when it goes; writing a file whole; and the system's message for
// an error code.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace mirevo {

class Win32FileHandle {
public:
    explicit Win32FileHandle(HANDLE handle) : handle_(handle) {}
    ~Win32FileHandle() { Close(); }
    Win32FileHandle(const Win32FileHandle&) = delete;
    Win32FileHandle& operator=(const Win32FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes it now (a file must be closed before it is renamed); false when that fails.
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

// One WriteFile of all the bytes; false when it fails or writes fewer (the last error says why).
bool WriteAll(const Win32FileHandle& file, std::string_view bytes);

// Replaces the file (or makes it) with the bytes: writes "<path>.tmp", flushes it and moves it
// over the file, writing through, so that the file is either as it was or holds all the bytes.
// Raises EFCreateError with the system's reason when that fails; no temporary is left then.
void ReplaceWholeFile(const std::string& path, std::string_view bytes);

// FormatMessageA's text for the error, in the system's language; "(<code>)" when it has none.
std::string Win32ErrorText(DWORD error);

}  // namespace mirevo
