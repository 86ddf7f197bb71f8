// The peer of a list: a report-style list view in owner-data mode, which asks for the text of
// the cells it shows and keeps only the selection state of its rows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32Peer.h"
#include "ui/ListView.h"

namespace mirevo {

class Win32ListViewPeer final : public Win32Peer {
public:
    Win32ListViewPeer(TListView& list, Win32Host& host) : Win32Peer(list, host), list_(list) {}

    void Create(HWND parent) override;
    void StateChanged(TControlState what) override;
    // The columns keep their widths in design pixels, as the user left them.
    void Rescale() override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    HBRUSH OnControlColor(HDC) override { return nullptr; }

private:
    void ApplyRows();
    UINT columnsDpi_ = 0;
    void ApplySelection();
    std::vector<std::size_t> NativeSelection() const;
    // The text of the cell an item names, or nothing when the item asks for no text.
    std::optional<std::string> CellText(UINT mask, int row, int column) const;
    void FillCell(NMLVDISPINFOA& info) const;
    void FillCell(NMLVDISPINFOW& info) const;

    TListView& list_;
    bool applying_ = false;  // the selection being set is the model's own
};

}  // namespace mirevo
