// The Windows platform: every port the program takes from it.
#include "platform/Platform.h"
#include "platform/win32/Win32CharTypes.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ClipboardFormats.h"
#include "platform/win32/Win32ClipboardWatch.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32TextDrops.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32HistoryFile.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32ProfileWriter.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32VersionResource.h"

namespace mirevo {

namespace {

class Win32Platform final : public IPlatform {
public:
    IApplicationHost& Host() override { return host_; }
    IDialogs& Dialogs() override { return dialogs_; }
    IClipboard& Clipboard() override { return clipboard_; }
    IClipboardWatch& ClipboardWatch() override { return clipboardWatch_; }
    IFileReader& Files() override { return files_; }
    IHistoryFiles& HistoryFiles() override { return historyFiles_; }
    IProfileWriter& ProfileWriter() override { return profileWriter_; }
    IClock& Clock() override { return clock_; }
    ITextDrops& DragDrop() override { return dragDrop_; }
    IVersionResource& VersionResource() override { return versions_; }
    IShell& Shell() override { return shell_; }
    std::unique_ptr<IClipboardFormats> MakeClipboardFormats(std::string formatName) override {
        return std::make_unique<Win32ClipboardFormats>(std::move(formatName));
    }
    ICharTypes& CharTypes() override { return charTypes_; }
    IDrawingResources& DrawingResources() override { return Win32DrawingResources(); }

private:
    Win32Host host_;
    Win32Dialogs dialogs_;
    Win32Clipboard clipboard_;
    Win32FileReader files_;
    Win32HistoryFiles historyFiles_;
    Win32ProfileWriter profileWriter_;
    Win32Clock clock_;
    Win32VersionResource versions_;
    Win32Shell shell_;
    Win32CharTypes charTypes_;
    // Drops and clipboard changes arrive inside the platform's own dispatch; a failure there
    // is shown as any other.
    void Show(std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            if (host_.Application()) host_.Application()->ShowException(e);
        }
    }
    Win32TextDrops dragDrop_{[this](std::exception_ptr error) { Show(error); }};
    Win32ClipboardWatch clipboardWatch_{[this](std::exception_ptr error) { Show(error); }};
};

}  // namespace

std::unique_ptr<IPlatform> CreatePlatform() { return std::make_unique<Win32Platform>(); }

}  // namespace mirevo
