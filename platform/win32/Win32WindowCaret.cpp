#include "platform/win32/Win32WindowCaret.h"

#include <imm.h>

#include "platform/win32/Win32Convert.h"

namespace mirevo {

namespace {

// The window's input context, given back when done.
class InputContext {
public:
    explicit InputContext(HWND hwnd) : hwnd_(hwnd), context_(ImmGetContext(hwnd)) {}
    InputContext(const InputContext&) = delete;
    InputContext& operator=(const InputContext&) = delete;
    ~InputContext() {
        if (context_) ImmReleaseContext(hwnd_, context_);
    }
    HIMC Get() const { return context_; }

private:
    HWND hwnd_;
    HIMC context_;
};

}  // namespace

void Win32WindowCaret::SetCompositionWindow(TPoint point) {
    const InputContext context(hwnd_);
    if (!context.Get()) return;
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = {point.X, point.Y};
    ImmSetCompositionWindow(context.Get(), &form);
}

void Win32WindowCaret::SetCompositionFont(const TLogFont& font) {
    const InputContext context(hwnd_);
    if (!context.Get()) return;
    LOGFONTA record = win32::ToLogFontA(font);
    ImmSetCompositionFontA(context.Get(), &record);
}

}  // namespace mirevo
