#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Win32ClipboardAccess.h"

#include <cstring>

namespace mirevo {

Win32Clipboard::Win32Clipboard() : owner_(CreateClipboardOwner()) {}

Win32Clipboard::~Win32Clipboard() {
    if (owner_) DestroyWindow(owner_);
}

void Win32Clipboard::SetText(const std::string& text) {
    const OpenClipboardScope scope(owner_);
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
}

std::string Win32Clipboard::GetText() {
    const OpenClipboardScope scope(owner_);
    return ReadClipboardText();
}

}  // namespace mirevo
