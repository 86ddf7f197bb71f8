// The clipboard watch on Windows: a message-only window listening for WM_CLIPBOARDUPDATE.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

#include "platform/ClipboardWatch.h"

namespace mirevo {

// A change whose clipboard owner is a window of this process is the program's own copy (its
// clipboard classes always open the clipboard with an owner window) and is not reported.
// An exception from the handler goes to onException (the application's handler), never
// into the platform's message dispatch.
class Win32ClipboardWatch final : public IClipboardWatch {
public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    explicit Win32ClipboardWatch(ExceptionHandler onException = {})
        : onException_(std::move(onException)) {}

    std::unique_ptr<IClipboardWatching> WatchCopies(TCopied copied) override;

private:
    ExceptionHandler onException_;
};

}  // namespace mirevo
