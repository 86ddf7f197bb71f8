#include "platform/win32/Win32ListView.h"

#include <commctrl.h>

#include <algorithm>

#include "common/DpiScale.h"
#include "common/Sjis.h"

namespace mirevo {

namespace {

// The longest prefix of whole characters that fits a buffer of capacity bytes with its NUL.
std::string_view Fitting(std::string_view text, int capacity) {
    if (capacity <= 0) return {};
    const auto room = static_cast<std::size_t>(capacity - 1);
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + (IsLeadByte(text[end]) ? 2 : 1);
        if (next > room || next > text.size()) break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace

void Win32ListViewPeer::Create(HWND parent) {
    CreateNative(WS_EX_CLIENTEDGE, WC_LISTVIEWA,
                 WS_CHILD | WS_CLIPSIBLINGS | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                 parent);
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < list_.Columns.size(); ++i) {
        std::string caption(WholeCharacters(list_.Columns[i].Caption));
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = caption.data();
        column.cx = ToDevice(list_.Columns[i].Width);
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    columnsDpi_ = Dpi();
    ApplyRows();
    ApplySelection();
}

void Win32ListViewPeer::Rescale() {
    const UINT dpi = Dpi();
    for (std::size_t i = 0; i < list_.Columns.size(); ++i) {
        const auto width = static_cast<std::int32_t>(SendMessageA(hwnd_, LVM_GETCOLUMNWIDTH, i, 0));
        const std::int32_t design = ToDesignPixels(width, columnsDpi_);
        SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(ToDevicePixels(design, dpi), 0));
    }
    columnsDpi_ = dpi;
    Win32Peer::Rescale();
}

void Win32ListViewPeer::StateChanged(TControlState what) {
    if (what == TControlState::Rows) return ApplyRows();
    if (what == TControlState::Selection) return ApplySelection();
    Win32Peer::StateChanged(what);
}

void Win32ListViewPeer::ApplyRows() {
    const auto count = static_cast<WPARAM>(std::min<std::size_t>(list_.RowCount(), INT_MAX));
    applying_ = true;
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, count, 0);
    applying_ = false;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32ListViewPeer::ApplySelection() {
    applying_ = true;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    state.stateMask = LVIS_SELECTED;
    for (const std::size_t row : list_.Selection()) {
        SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    if (const auto first = list_.FirstSelected()) {
        state.state = state.stateMask = LVIS_FOCUSED;
        SendMessageA(hwnd_, LVM_SETITEMSTATE, *first, reinterpret_cast<LPARAM>(&state));
        SendMessageA(hwnd_, LVM_ENSUREVISIBLE, *first, FALSE);
    }
    applying_ = false;
}

std::vector<std::size_t> Win32ListViewPeer::NativeSelection() const {
    std::vector<std::size_t> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) >= 0) {
        rows.push_back(static_cast<std::size_t>(row));
    }
    return rows;
}

bool Win32ListViewPeer::OnNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case LVN_GETDISPINFOA:
            FillCell(reinterpret_cast<NMLVDISPINFOA&>(header));
            return true;
        case LVN_GETDISPINFOW:
            FillCell(reinterpret_cast<NMLVDISPINFOW&>(header));
            return true;
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED:
            if (!applying_) list_.NativeSelectionChanged(NativeSelection());
            return true;
        case NM_DBLCLK:
            if (reinterpret_cast<NMITEMACTIVATE&>(header).iItem >= 0) list_.DblClick();
            return true;
        case LVN_KEYDOWN: {
            const WORD key = reinterpret_cast<NMLVKEYDOWN&>(header).wVKey;
            if (key == VK_DELETE) list_.DeleteKey();
            if (key == 'A' && GetKeyState(VK_CONTROL) < 0) list_.SelectAll();
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

std::optional<std::string> Win32ListViewPeer::CellText(UINT mask, int row, int column) const {
    if (!(mask & LVIF_TEXT) || row < 0 || column < 0 || !list_.OnCellText) return std::nullopt;
    return list_.OnCellText(static_cast<std::size_t>(row), static_cast<std::size_t>(column));
}

void Win32ListViewPeer::FillCell(NMLVDISPINFOA& info) const {
    LVITEMA& item = info.item;
    const auto text = CellText(item.mask, item.iItem, item.iSubItem);
    if (!text || !item.pszText || item.cchTextMax <= 0) return;
    const std::string_view shown = Fitting(*text, item.cchTextMax);
    std::copy(shown.begin(), shown.end(), item.pszText);
    item.pszText[shown.size()] = '\0';
}

void Win32ListViewPeer::FillCell(NMLVDISPINFOW& info) const {
    LVITEMW& item = info.item;
    const auto text = CellText(item.mask, item.iItem, item.iSubItem);
    if (!text || !item.pszText || item.cchTextMax <= 0) return;
    // No byte gives more than one UTF-16 unit, so the bytes that fit also fit as units.
    const std::string_view shown = Fitting(*text, item.cchTextMax);
    const int written = MultiByteToWideChar(932, 0, shown.data(), static_cast<int>(shown.size()),
                                            item.pszText, item.cchTextMax - 1);
    item.pszText[std::max(written, 0)] = L'\0';
}

}  // namespace mirevo
