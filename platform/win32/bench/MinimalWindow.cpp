// The baseline of the start-up benchmark: the least Windows program that shows one window.
// Built a second time with MIREVO_WITH_COMMON_CONTROLS, it is the benchmark's floor: the
// same window in a program that uses the common controls as Mirevo does (linked against
// them, with Mirevo's manifest and their classes registered), so that what loading the
// controls' library costs is seen apart from what Mirevo itself does. Built a third time
// with MIREVO_WITH_DROP_TARGET as well, the window also accepts drops as Mirevo's does,
// registered before it shows: what OLE's set-up adds to the floor.
#include <windows.h>
#ifdef MIREVO_WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif
#ifdef MIREVO_WITH_DROP_TARGET
#include "platform/win32/bench/RefusingDropTarget.h"
#endif

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
#ifdef MIREVO_WITH_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "MinimalWindow", "MinimalWindow", WS_OVERLAPPEDWINDOW, 192,
                                  111, 416, 360, nullptr, nullptr, wc.hInstance, nullptr);
#ifdef MIREVO_WITH_DROP_TARGET
    RefusingDropTarget target;
    if (OleInitialize(nullptr) == S_OK) RegisterDragDrop(window, &target);
#endif
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
#ifdef MIREVO_WITH_DROP_TARGET
    OleUninitialize();
#endif
    return 0;
}
