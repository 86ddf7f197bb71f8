#include "platform/win32/Win32Clipboard.h"

#include <cstring>

namespace mirevo {

namespace {

// Closes the clipboard when the operation ends, also by an exception.
struct OpenClipboardScope {
    ~OpenClipboardScope() { CloseClipboard(); }
};

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), nullptr)) {}

Win32Clipboard::~Win32Clipboard() {
    if (owner_) DestroyWindow(owner_);
}

void Win32Clipboard::Open() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner_)) return;
        Sleep(10);
    }
    throw EClipboardException();
}

void Win32Clipboard::SetText(const std::string& text) {
    Open();
    const OpenClipboardScope scope;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
}

std::string Win32Clipboard::GetText() {
    Open();
    const OpenClipboardScope scope;
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) return "";
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    std::string text = bytes ? std::string(bytes, strnlen(bytes, GlobalSize(block))) : "";
    GlobalUnlock(block);
    return text;
}

}  // namespace mirevo
