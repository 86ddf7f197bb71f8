// A reference of the start-up benchmark: the windows of Mirevo's first showing (its frame and
// icon, a menu bar, a tool bar with its images, the four tabs, the first page with its field
// and label, the result's label, view and button) and its drop target, made with bare calls
// in the order Mirevo makes them, before the window shows; the hidden pages come after. Its
// time is what this window tree costs in itself; what Mirevo takes beyond it is its own.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/bench/RefusingDropTarget.h"

namespace {

const char kClass[] = "BareWindowTree";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class Builder {
public:
    explicit Builder(HINSTANCE instance)
        : instance_(instance),
          font_(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0,
                            0, "MS PGothic")) {}

    HWND Make(const char* className, const char* text, DWORD style, RECT r, HWND parent) const {
        HWND window =
            CreateWindowExA(0, className, text, WS_CHILD | style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parent, nullptr, instance_, nullptr);
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        return window;
    }

    void AddButtons(HWND bar, const char* const* texts, const int* images, int count) const {
        SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            button.iBitmap = images[i];
            button.idCommand = 100 + i;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = images[i] == -1  ? BTNS_SEP
                             : *texts[i] != 0 ? BTNS_AUTOSIZE | BTNS_SHOWTEXT
                                              : BTNS_BUTTON;
            button.iString = reinterpret_cast<INT_PTR>(texts[i]);
            SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        }
    }

    HINSTANCE Instance() const { return instance_; }

private:
    HINSTANCE instance_;
    HFONT font_;
};

// Returns the tab control, whose hidden pages are made after the first showing.
HWND MakeTree(const Builder& make, HWND frame) {
    const DWORD shown = WS_VISIBLE | WS_CLIPSIBLINGS;
    HWND menu = make.Make(TOOLBARCLASSNAMEA, "", shown | CCS_TOP | TBSTYLE_FLAT | TBSTYLE_LIST,
                          {0, 0, 400, 23}, frame);
    const char* const menus[] = {"File(&F)", "Edit(&E)", "Help(&H)"};
    const int noImages[] = {I_IMAGENONE, I_IMAGENONE, I_IMAGENONE};
    SendMessageA(menu, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    make.AddButtons(menu, menus, noImages, 3);
    HWND tools = make.Make(TOOLBARCLASSNAMEA, "", shown | CCS_NORESIZE | TBSTYLE_FLAT,
                           {0, 23, 400, 49}, frame);
    SendMessageA(tools, TB_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(ImageList_LoadImageA(make.Instance(), "TOOLBARIMAGES", 16,
                                                               0, RGB(255, 0, 255), IMAGE_BITMAP,
                                                               LR_CREATEDIBSECTION)));
    const char* const tips[] = {"", "", "", "", "", ""};
    const int images[] = {0, -1, 1, -1, 3, 2};
    make.AddButtons(tools, tips, images, 6);
    HWND tabs = make.Make(WC_TABCONTROLA, "", shown | WS_TABSTOP, {0, 49, 400, 193}, frame);
    const char* const captions[] = {"Tab 1", "Tab 2", "Tab 3", "Tab 4"};
    for (int i = 0; i < 4; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    HWND page = make.Make(kClass, "", shown, {4, 24, 396, 140}, tabs);
    make.Make("EDIT", "", shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, {118, 16, 388, 37},
              page);
    make.Make("STATIC", "Label", shown, {10, 19, 110, 34}, page);
    make.Make("STATIC", "Result", shown, {13, 198, 113, 213}, frame);
    make.Make(kClass, "", shown | WS_BORDER | WS_VSCROLL, {12, 214, 395, 286}, frame);
    make.Make("BUTTON", "Copy", shown | WS_DISABLED | WS_TABSTOP, {12, 295, 395, 320}, frame);
    return tabs;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
    wc.hIconSm = static_cast<HICON>(LoadImageA(wc.hInstance, "MAINICON", IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.lpszClassName = kClass;
    RegisterClassExA(&wc);
    HWND frame = CreateWindowExA(WS_EX_CONTROLPARENT, kClass, "BareWindowTree",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 192, 111, 416, 360, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    const Builder builder(wc.hInstance);
    HWND tabs = MakeTree(builder, frame);
    RefusingDropTarget target;
    if (OleInitialize(nullptr) == S_OK) RegisterDragDrop(frame, &target);
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    for (int i = 0; i < 3; ++i) builder.Make(kClass, "", WS_CLIPSIBLINGS, {4, 24, 396, 140}, tabs);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    OleUninitialize();
    return 0;
}
