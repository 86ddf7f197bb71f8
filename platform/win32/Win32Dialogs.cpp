#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"

namespace mirevo {

std::int32_t Win32Dialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                                          std::uint32_t flags) {
    return MessageBoxA(GetActiveWindow(), NativeText(text).c_str(), NativeText(caption).c_str(),
                       flags);
}

// Task-modal without an owner, so the box is centred on the screen and every window of the
// program waits for it.
void Win32Dialogs::MessageDialog(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, NativeText(text).c_str(), NativeText(caption).c_str(),
                MB_OK | MB_TASKMODAL);
}

}  // namespace mirevo
