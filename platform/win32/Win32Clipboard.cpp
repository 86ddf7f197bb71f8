#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Win32ClipboardAccess.h"

#include <cstring>

namespace mirevo {

// A copy that did not reach the clipboard is reported, never passed off as done.
void Win32Clipboard::SetText(const std::string& text) {
    const OpenClipboardScope scope(owner_.Window());
    if (!EmptyClipboard() ||
        PutBlock(CF_TEXT, std::string_view(text.c_str(), text.size() + 1)) != TBlockOutcome::Put) {
        throw EClipboardException();
    }
}

std::string Win32Clipboard::GetText() {
    const OpenClipboardScope scope(owner_.Window());
    return ReadClipboardText();
}

}  // namespace mirevo
