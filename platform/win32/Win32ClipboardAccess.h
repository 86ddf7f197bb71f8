// What both clipboard classes need of the Windows clipboard: a hidden owner window, opening
// with brief retries, closing at the end of a scope, and reading CF_TEXT.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Clipboard.h"

namespace mirevo {

// A hidden window: SetClipboardData fails for a clipboard opened without an owner.
inline HWND CreateClipboardOwner() {
    return CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// The owner window of a clipboard class, made at its first use so that it costs the
// program's start nothing.
class ClipboardOwner {
public:
    ClipboardOwner() = default;
    ~ClipboardOwner() {
        if (window_) DestroyWindow(window_);
    }
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;

    HWND Window() {
        if (!window_) window_ = CreateClipboardOwner();
        return window_;
    }

private:
    HWND window_ = nullptr;
};

// Closes the clipboard when the operation ends, also by an exception.
struct OpenClipboardScope {
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    // Opens the clipboard, retrying briefly while another program holds it.
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (OpenClipboard(owner)) return;
            Sleep(10);
        }
        throw EClipboardException();
    }
    ~OpenClipboardScope() { CloseClipboard(); }
};

enum class TBlockOutcome : std::uint8_t { Put, NoMemory, Refused };

// Hands a block holding bytes to the open clipboard. A block that was not put is freed.
inline TBlockOutcome PutBlock(UINT format, std::string_view bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size());
    if (!block) return TBlockOutcome::NoMemory;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return TBlockOutcome::NoMemory;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(block);
    if (SetClipboardData(format, block)) return TBlockOutcome::Put;
    GlobalFree(block);
    return TBlockOutcome::Refused;
}

// The clipboard's CF_TEXT up to its first zero byte, or empty; the clipboard must be open.
inline std::string ReadClipboardText() {
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) return "";
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    std::string text = bytes ? std::string(bytes, strnlen(bytes, GlobalSize(block))) : "";
    GlobalUnlock(block);
    return text;
}

}  // namespace mirevo
