// The clipboard on Windows: CF_TEXT through a hidden window of its own, which the clipboard
// needs as owner for SetClipboardData to succeed.
#pragma once

#include <windows.h>

#include "platform/Clipboard.h"
#include "platform/win32/Win32ClipboardAccess.h"

namespace mirevo {

class Win32Clipboard final : public IClipboard {
public:
    void SetText(const std::string& text) override;
    std::string GetText() override;
    bool HasText() override { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

private:
    ClipboardOwner owner_;
};

}  // namespace mirevo
