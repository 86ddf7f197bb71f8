#include "platform/win32/Win32ClipboardFormats.h"

#include <cstring>

#include "platform/Clipboard.h"
#include "platform/win32/Win32ClipboardAccess.h"

namespace mirevo {

namespace {

enum class Lock { Required, Optional };

// Hands a block with bytes to the clipboard; false when it could not. A block that cannot
// be locked counts as success for an optional block, which is then left out.
bool SetBlock(UINT format, std::string_view bytes, Lock lock) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size());
    if (!block) return lock == Lock::Optional;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return lock == Lock::Optional;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(block);
    if (SetClipboardData(format, block)) return true;
    GlobalFree(block);
    return false;
}

std::string BlockBytes(HANDLE block, const void* bytes) {
    return std::string(static_cast<const char*>(bytes), GlobalSize(block));
}

}  // namespace

Win32ClipboardFormats::Win32ClipboardFormats(std::string formatName)
    : formatName_(std::move(formatName)), owner_(CreateClipboardOwner()) {}

Win32ClipboardFormats::~Win32ClipboardFormats() {
    if (owner_) DestroyWindow(owner_);
}

UINT Win32ClipboardFormats::PrivateFormat() {
    if (privateFormat_ == 0) privateFormat_ = RegisterClipboardFormatA(formatName_.c_str());
    return privateFormat_;
}

bool Win32ClipboardFormats::Put(std::string_view text, std::string_view privateData) {
    const UINT format = PrivateFormat();
    const OpenClipboardScope scope(owner_);
    EmptyClipboard();
    std::string plain(text);
    plain += '\0';
    if (!SetBlock(CF_TEXT, plain, Lock::Required)) return false;
    return format != 0 && SetBlock(format, privateData, Lock::Optional);
}

bool Win32ClipboardFormats::HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

bool Win32ClipboardFormats::HasPrivate() {
    const UINT format = PrivateFormat();
    return format != 0 && IsClipboardFormatAvailable(format) != FALSE;
}

std::string Win32ClipboardFormats::GetText() {
    const OpenClipboardScope scope(owner_);
    return ReadClipboardText();
}

std::optional<std::string> Win32ClipboardFormats::GetPrivate() {
    const UINT format = PrivateFormat();
    const OpenClipboardScope scope(owner_);
    HANDLE block = format != 0 ? GetClipboardData(format) : nullptr;
    const void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) return std::nullopt;
    std::string data = BlockBytes(block, bytes);
    GlobalUnlock(block);
    return data;
}

}  // namespace mirevo
