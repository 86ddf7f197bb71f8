// Port: the system clipboard's plain text in the 8-bit code page.
#pragma once

#include <string>

#include "common/Exception.h"

namespace mirevo {

// The clipboard could not be opened.
class EClipboardException : public Exception {
public:
    EClipboardException() : Exception("クリップボードを開くことができません") {}
};

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Replaces everything the clipboard held with the text. Throws EClipboardException.
    virtual void SetText(const std::string& text) = 0;
    // The clipboard's text, empty when it holds none. Throws EClipboardException.
    virtual std::string GetText() = 0;
    virtual bool HasText() = 0;
};

}  // namespace mirevo
