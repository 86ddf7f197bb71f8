// Port: word of the text another program copies to the clipboard, as it is copied.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace mirevo {

// Watching goes on for as long as this object lives.
class IClipboardWatching {
public:
    virtual ~IClipboardWatching() = default;
};

class IClipboardWatch {
public:
    using TCopied = std::function<void(const std::string& text)>;

    virtual ~IClipboardWatch() = default;

    // Calls copied with the clipboard's text (in the 8-bit code page) each time another
    // program puts text there, from the calling thread's message loop, until the result is
    // destroyed. The program's own copies, copies without text and a clipboard that cannot
    // be read are not reported. The platform tells of each change; it is never polled.
    virtual std::unique_ptr<IClipboardWatching> WatchCopies(TCopied copied) = 0;
};

}  // namespace mirevo
