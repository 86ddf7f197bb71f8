// The clipboard on Windows with CF_TEXT and one registered private format, through a hidden
// window of its own that owns the clipboard while it writes.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ClipboardFormats.h"
#include "platform/win32/Win32ClipboardAccess.h"

namespace mirevo {

class Win32ClipboardFormats final : public IClipboardFormats {
public:
    // The private format is registered under formatName when first needed.
    explicit Win32ClipboardFormats(std::string formatName);
    Win32ClipboardFormats(const Win32ClipboardFormats&) = delete;
    Win32ClipboardFormats& operator=(const Win32ClipboardFormats&) = delete;

    bool Put(std::string_view text, std::string_view privateData) override;
    bool HasText() override;
    bool HasPrivate() override;
    std::string GetText() override;
    std::optional<std::string> GetPrivate() override;

private:
    UINT PrivateFormat();

    std::string formatName_;
    UINT privateFormat_ = 0;
    ClipboardOwner owner_;
};

}  // namespace mirevo
