// The clipboard on Windows: CF_TEXT through a hidden window of its own, which the clipboard
// needs as owner for SetClipboardData to succeed.
#pragma once

#include <windows.h>

#include "platform/Clipboard.h"

namespace mirevo {

class Win32Clipboard final : public IClipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    void SetText(const std::string& text) override;
    std::string GetText() override;
    bool HasText() override { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

private:
    HWND owner_;
};

}  // namespace mirevo
