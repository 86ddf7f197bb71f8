#include "platform/win32/Win32ClipboardFormats.h"

#include <cstring>

#include "platform/Clipboard.h"
#include "platform/win32/Win32ClipboardAccess.h"

namespace mirevo {

namespace {

std::string BlockBytes(HANDLE block, const void* bytes) {
    return std::string(static_cast<const char*>(bytes), GlobalSize(block));
}

}  // namespace

Win32ClipboardFormats::Win32ClipboardFormats(std::string formatName)
    : formatName_(std::move(formatName)) {}

UINT Win32ClipboardFormats::PrivateFormat() {
    if (privateFormat_ == 0) privateFormat_ = RegisterClipboardFormatA(formatName_.c_str());
    return privateFormat_;
}

bool Win32ClipboardFormats::Put(std::string_view text, std::string_view privateData) {
    const UINT format = PrivateFormat();
    const OpenClipboardScope scope(owner_.Window());
    EmptyClipboard();
    std::string plain(text);
    plain += '\0';
    if (PutBlock(CF_TEXT, plain) != TBlockOutcome::Put) return false;
    // The private block is extra: without memory for it the text alone is on the clipboard.
    return format != 0 && PutBlock(format, privateData) != TBlockOutcome::Refused;
}

bool Win32ClipboardFormats::HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

bool Win32ClipboardFormats::HasPrivate() {
    const UINT format = PrivateFormat();
    return format != 0 && IsClipboardFormatAvailable(format) != FALSE;
}

std::string Win32ClipboardFormats::GetText() {
    const OpenClipboardScope scope(owner_.Window());
    return ReadClipboardText();
}

std::optional<std::string> Win32ClipboardFormats::GetPrivate() {
    const UINT format = PrivateFormat();
    const OpenClipboardScope scope(owner_.Window());
    HANDLE block = format != 0 ? GetClipboardData(format) : nullptr;
    const void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) return std::nullopt;
    std::string data = BlockBytes(block, bytes);
    GlobalUnlock(block);
    return data;
}

}  // namespace mirevo
