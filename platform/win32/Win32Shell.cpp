#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace mirevo {

void Win32Shell::Open(std::uintptr_t parentWindow, const std::string& target) {
    ShellExecuteA(reinterpret_cast<HWND>(parentWindow), "open", target.c_str(), nullptr, nullptr,
                  SW_SHOW);
}

}  // namespace mirevo
