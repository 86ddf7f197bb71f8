// The start-up benchmark's floor: the minimal window of a program that uses the common
// controls as Mirevo does (linked against them, with Mirevo's manifest and their classes
// registered), so that what only loading the controls' library costs is seen apart from
// what Mirevo itself does.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "CommonControlsWindow";
    RegisterClassA(&wc);
    HWND window =
        CreateWindowExA(0, "CommonControlsWindow", "CommonControlsWindow", WS_OVERLAPPEDWINDOW, 192,
                        111, 416, 360, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
