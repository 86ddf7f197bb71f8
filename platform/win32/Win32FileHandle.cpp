#include "platform/win32/Win32FileHandle.h"

#include "common/Trim.h"

namespace mirevo {

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
