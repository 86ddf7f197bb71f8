#include "platform/win32/Win32ClipboardWatch.h"

#include <utility>

#include "platform/win32/Win32ClipboardAccess.h"

namespace mirevo {

namespace {

bool OwnedByThisProcess(HWND owner) {
    DWORD process = 0;
    return owner && GetWindowThreadProcessId(owner, &process) && process == GetCurrentProcessId();
}

class Win32ClipboardWatching final : public IClipboardWatching {
public:
    Win32ClipboardWatching(IClipboardWatch::TCopied copied,
                           Win32ClipboardWatch::ExceptionHandler onException)
        : copied_(std::move(copied)), onException_(std::move(onException)) {
        static const ATOM windowClass = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = WindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "MirevoClipboardWatch";
            return RegisterClassA(&wc);
        }();
        window_ = CreateWindowExA(0, MAKEINTATOM(windowClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!window_) return;
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        AddClipboardFormatListener(window_);
    }
    Win32ClipboardWatching(const Win32ClipboardWatching&) = delete;
    Win32ClipboardWatching& operator=(const Win32ClipboardWatching&) = delete;
    ~Win32ClipboardWatching() override {
        if (!window_) return;
        RemoveClipboardFormatListener(window_);
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLIPBOARDUPDATE) {
            if (auto* self = reinterpret_cast<Win32ClipboardWatching*>(
                    GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
                self->Changed();
            }
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    void Changed() noexcept {
        try {
            if (OwnedByThisProcess(GetClipboardOwner())) return;
            if (!IsClipboardFormatAvailable(CF_TEXT)) return;
            std::string text;
            try {
                const OpenClipboardScope scope(window_);
                text = ReadClipboardText();
            } catch (const EClipboardException&) {
                return;  // held by another program for longer than we wait: not reported
            }
            copied_(text);
        } catch (...) {
            if (!onException_) return;
            try {
                onException_(std::current_exception());
            } catch (...) {
            }
        }
    }

    IClipboardWatch::TCopied copied_;
    Win32ClipboardWatch::ExceptionHandler onException_;
    HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<IClipboardWatching> Win32ClipboardWatch::WatchCopies(TCopied copied) {
    return std::make_unique<Win32ClipboardWatching>(std::move(copied), onException_);
}

}  // namespace mirevo
