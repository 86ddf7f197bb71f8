#include "platform/win32/Win32Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <array>

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

std::optional<std::string> Win32Dialogs::AskSaveFileName(const TSaveFileQuestion& question) {
    const std::string caption = NativeText(question.caption);
    const std::string extension = NativeText(question.extension);
    // Pairs of description and pattern, each ending in NUL, the list in a second NUL.
    std::string filter = NativeText(question.kindDescription) + " (*." + extension + ")";
    filter += '\0';
    filter += "*." + extension;
    filter += '\0';
    std::array<char, 1024> path{};
    const std::string suggested = NativeText(question.suggestedName).substr(0, path.size() - 1);
    suggested.copy(path.data(), suggested.size());
    OPENFILENAMEA ask{};
    ask.lStructSize = sizeof ask;
    ask.hwndOwner = GetActiveWindow();
    ask.lpstrFilter = filter.c_str();
    ask.lpstrFile = path.data();
    ask.nMaxFile = static_cast<DWORD>(path.size());
    ask.lpstrTitle = caption.c_str();
    ask.lpstrDefExt = extension.c_str();
    ask.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ask)) return std::nullopt;
    return std::string(path.data());
}

}  // namespace mirevo
