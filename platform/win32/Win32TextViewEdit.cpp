// The text view's clipboard, text, dialog-code and input-method messages, and the memo's
// edit-control messages.
#include "platform/win32/Win32TextView.h"

#include <imm.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "textview/TextMemo.h"

namespace mirevo {

namespace {

// The dialog manager's question about a key: Tab stays with it unless the view wants tabs,
// so the user can always leave the view with Tab.
LRESULT DialogCode(const TCustomTextView& view, const MSG* message) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (view.WantsTabKey()) code |= DLGC_WANTTAB;
    const bool isTab = message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
                       message->wParam == VK_TAB;
    if (view.WantsAllKeys() && (!isTab || view.WantsTabKey())) code |= DLGC_WANTALLKEYS;
    return code;
}

LRESULT CopyText(const std::string& text, WPARAM size, char* buffer) {
    if (size == 0 || !buffer) return 0;
    const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

std::string ImeResultString(HWND hwnd) {
    HIMC context = ImmGetContext(hwnd);
    if (!context) return {};
    std::string text;
    const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        text.resize(static_cast<std::size_t>(bytes));
        const LONG read = ImmGetCompositionStringA(context, GCS_RESULTSTR, text.data(),
                                                   static_cast<DWORD>(bytes));
        text.resize(static_cast<std::size_t>(std::max<LONG>(read, 0)));
    }
    ImmReleaseContext(hwnd, context);
    return text;
}

}  // namespace

bool Win32TextViewPeer::HandleEditMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT& result) {
    if (auto* memo = dynamic_cast<TTextMemo*>(&view_)) {
        if (const auto answer = memo->MemoMessage(message, wParam, lParam)) {
            result = static_cast<LRESULT>(*answer);
            return true;
        }
    }
    const bool writable = !view_.ReadOnly();
    result = 0;
    switch (message) {
        case WM_CUT:
            if (writable) view_.CutToClipboard();
            result = 1;
            return true;
        case WM_COPY:
            view_.CopyToClipboard();
            result = 1;
            return true;
        case WM_PASTE:
            if (writable) view_.PasteFromClipboard();
            result = 1;
            return true;
        case WM_CLEAR:
            if (writable) view_.SetSelectedText({});
            return true;
        case WM_UNDO:
            view_.Undo();
            return true;
        case WM_GETTEXT:
            result = CopyText(view_.Text(), wParam, reinterpret_cast<char*>(lParam));
            return true;
        case WM_GETTEXTLENGTH:
            result = static_cast<LRESULT>(view_.Text().size());
            return true;
        case WM_SETTEXT:
            view_.SetText(lParam ? reinterpret_cast<const char*>(lParam) : "");
            result = TRUE;
            return true;
        case WM_GETDLGCODE:
            result = DialogCode(view_, reinterpret_cast<const MSG*>(lParam));
            return true;
        case WM_IME_COMPOSITION:
            if (lParam & GCS_RESULTSTR) view_.ImeString(ImeResultString(hwnd_));
            result = DefWindowProcA(hwnd_, message, wParam, lParam);
            return true;
        default:
            return false;
    }
}

}  // namespace mirevo
