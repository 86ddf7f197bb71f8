// The Windows platform: the host, dialogs, clipboard, profile writer and clock.
#include "platform/Platform.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32ProfileWriter.h"

namespace mirevo {

namespace {

class Win32Platform final : public IPlatform {
public:
    IApplicationHost& Host() override { return host_; }
    IDialogs& Dialogs() override { return dialogs_; }
    IClipboard& Clipboard() override { return clipboard_; }
    IProfileWriter& ProfileWriter() override { return profileWriter_; }
    IClock& Clock() override { return clock_; }

private:
    Win32Host host_;
    Win32Dialogs dialogs_;
    Win32Clipboard clipboard_;
    Win32ProfileWriter profileWriter_;
    Win32Clock clock_;
};

}  // namespace

std::unique_ptr<IPlatform> CreatePlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace mirevo
