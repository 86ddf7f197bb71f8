#include "platform/win32/Win32WindowScrolling.h"

#include "platform/win32/Win32Convert.h"

namespace mirevo {

void Win32WindowScrolling::ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) {
    RECT r{};
    if (area) r = {area->Left, area->Top, area->Right, area->Bottom};
    ScrollWindowEx(hwnd_, dx, dy, area ? &r : nullptr, area ? &r : nullptr, nullptr, nullptr,
                   SW_INVALIDATE);
}

void Win32WindowScrolling::ShowScrollBar(TScrollBarKind bar, bool show) {
    ::ShowScrollBar(hwnd_, win32::BarOf(bar), show);
}

void Win32WindowScrolling::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (info.DisableNoScroll ? SIF_DISABLENOSCROLL : 0);
    si.nMin = info.Min;
    si.nMax = info.Max;
    si.nPage = static_cast<UINT>(info.Page);
    si.nPos = info.Pos;
    ::SetScrollInfo(hwnd_, win32::BarOf(bar), &si, TRUE);
}

void Win32WindowScrolling::EnableScrollArrows(TScrollBarKind bar, TScrollArrows arrows) {
    EnableScrollBar(hwnd_, win32::BarOf(bar), win32::ArrowFlagsOf(arrows));
}

TScrollInfo Win32WindowScrolling::ScrollTrackInfo(TScrollBarKind bar) const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, win32::BarOf(bar), &si);
    return {si.nMin, si.nMax, static_cast<std::int32_t>(si.nPage), si.nTrackPos, false};
}

std::int32_t Win32WindowScrolling::WheelScrollLines() const {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines == WHEEL_PAGESCROLL ? -1 : static_cast<std::int32_t>(lines);
}

}  // namespace mirevo
