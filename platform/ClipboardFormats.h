// Port: the system clipboard with plain text and one private, named format beside it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// The implementation registers the private format by its name on first use and keeps it
// for the process. Opening a clipboard that another program holds raises the framework's
// EClipboardException (platform/Clipboard.h); the clipboard is always closed again.
class IClipboardFormats {
public:
    virtual ~IClipboardFormats() = default;
    // Empties the clipboard, puts text with a zero byte as CF_TEXT and then privateData as
    // it is under the private format. False when the plain text or the private data could
    // not be set, or the plain text's memory not be had; private data whose memory cannot
    // be locked is left out silently.
    virtual bool Put(std::string_view text, std::string_view privateData) = 0;
    virtual bool HasText() = 0;
    virtual bool HasPrivate() = 0;
    // The plain text up to its zero byte; empty when there is none.
    virtual std::string GetText() = 0;
    // All bytes of the private block; nothing when it cannot be read.
    virtual std::optional<std::string> GetPrivate() = 0;
};

}  // namespace mirevo
