// Peers of the standard controls: edits, labels, buttons, check boxes and the tab control;
// the makers of every peer.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/Win32ActionBars.h"
#include "platform/win32/Win32Container.h"
#include "platform/win32/Win32FormPeer.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32ListView.h"
#include "platform/win32/Win32PeerFactory.h"
#include "platform/win32/Win32TextView.h"
#include "ui/Edit.h"
#include "ui/EditTarget.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

namespace mirevo {

namespace {

std::string WindowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

class EditPeer final : public Win32Peer, public IEditTarget {
public:
    EditPeer(TEdit& edit, Win32Host& host) : Win32Peer(edit, host), edit_(edit) {}

    void Create(HWND parent) override {
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT;
        if (edit_.Kind() == TControlKind::Memo) {
            const auto& memo = static_cast<const TMemo&>(edit_);
            style |= ES_MULTILINE | ES_AUTOVSCROLL | (memo.VerticalScrollBar ? WS_VSCROLL : 0);
            if (!memo.WordWrap) style |= ES_AUTOHSCROLL;
        } else {
            style |= ES_AUTOHSCROLL;
        }
        if (edit_.ReadOnly()) style |= ES_READONLY;
        CreateNative(WS_EX_CLIENTEDGE, "EDIT", style, parent);
        SendMessageA(hwnd_, EM_LIMITTEXT, 0, 0);
    }

    void StateChanged(TControlState what) override {
        if (what == TControlState::ReadOnly) {
            SendMessageA(hwnd_, EM_SETREADONLY, edit_.ReadOnly(), 0);
            return;
        }
        Win32Peer::StateChanged(what);
    }

    void OnCommand(WORD code, WORD) override {
        if (code == EN_CHANGE) edit_.NativeTextChanged(WindowText(hwnd_));
    }

    IEditTarget* EditOperations() override { return this; }
    bool IsEmpty() const override { return GetWindowTextLengthA(hwnd_) == 0; }
    bool AcceptsChanges() const override {
        return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & ES_READONLY) == 0;
    }
    bool HasSelection() const override {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return end > start;
    }
    bool CanUndo() const override { return SendMessageA(hwnd_, EM_CANUNDO, 0, 0) != 0; }
    void Undo() override { SendMessageA(hwnd_, WM_UNDO, 0, 0); }
    void Cut() override { SendMessageA(hwnd_, WM_CUT, 0, 0); }
    void Copy() override { SendMessageA(hwnd_, WM_COPY, 0, 0); }
    void Paste() override { SendMessageA(hwnd_, WM_PASTE, 0, 0); }
    void DeleteSelection() override { SendMessageA(hwnd_, WM_CLEAR, 0, 0); }
    void SelectAll() override { SendMessageA(hwnd_, EM_SETSEL, 0, -1); }

private:
    TEdit& edit_;
};

class LabelPeer final : public Win32Peer {
public:
    LabelPeer(TLabel& label, Win32Host& host) : Win32Peer(label, host), label_(label) {}

    void Create(HWND parent) override {
        DWORD style = WS_CHILD | SS_NOPREFIX | (label_.RightAligned ? SS_RIGHT : SS_LEFT);
        if (label_.OnClick) style |= SS_NOTIFY;
        CreateNative(0, "STATIC", style, parent);
    }
    void StateChanged(TControlState what) override {
        Win32Peer::StateChanged(what);
        if (what == TControlState::Text || what == TControlState::Font) ApplyBounds();
    }
    void OnCommand(WORD code, WORD) override {
        if (code == STN_CLICKED) label_.Click();
    }
    HCURSOR Cursor() const override {
        return label_.HandCursor ? LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND))
                                 : nullptr;
    }
    HBRUSH OnControlColor(HDC dc) override {
        SetTextColor(dc, Win32Host::ColorRef(label_.FontColor));
        // On a themed tab page the label shows the page's own background.
        const TControl* parent = label_.Parent();
        if (parent && parent->Kind() == TControlKind::TabSheet && IsThemeActive()) {
            SetBkMode(dc, TRANSPARENT);
            DrawThemeParentBackground(hwnd_, dc, nullptr);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
        return Win32Peer::OnControlColor(dc);
    }

private:
    // Labels size themselves to their text; a right-aligned one keeps its right edge, a
    // word-wrapping one its width. The text is measured on the screen until the label has a
    // window, so that it is made in its place rather than moved there.
    RECT NativeBounds() const override {
        const TBounds& b = label_.Bounds();
        if (label_.WordWrap) return Win32Peer::NativeBounds();
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, Host().Font(label_.Font(), Dpi()));
        SIZE extent{};
        const std::string& text = label_.Caption();
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        const LONG left = label_.RightAligned ? ToDevice(b.Right()) - extent.cx : ToDevice(b.Left);
        return {left, ToDevice(b.Top), left + extent.cx, ToDevice(b.Top) + extent.cy};
    }
    TLabel& label_;
};

class ButtonPeer final : public Win32Peer {
public:
    ButtonPeer(TButton& button, Win32Host& host) : Win32Peer(button, host), button_(button) {}
    void Create(HWND parent) override {
        CreateNative(0, "BUTTON", WS_CHILD | (button_.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                     parent, button_.Default ? IDOK : 0);
    }
    void OnCommand(WORD code, WORD) override {
        if (code == BN_CLICKED) button_.Click();
    }
    HBRUSH OnControlColor(HDC) override { return nullptr; }

private:
    TButton& button_;
};

class CheckBoxPeer final : public Win32Peer {
public:
    CheckBoxPeer(TCheckBox& box, Win32Host& host) : Win32Peer(box, host), box_(box) {}
    void Create(HWND parent) override {
        CreateNative(0, "BUTTON", WS_CHILD | BS_AUTOCHECKBOX, parent);
        StateChanged(TControlState::Checked);
    }
    void StateChanged(TControlState what) override {
        if (what == TControlState::Checked) {
            SendMessageA(hwnd_, BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            return;
        }
        Win32Peer::StateChanged(what);
    }
    void OnCommand(WORD code, WORD) override {
        if (code == BN_CLICKED) {
            box_.NativeCheckedChanged(SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        }
    }

private:
    TCheckBox& box_;
};

class PageControlPeer final : public Win32Peer {
public:
    PageControlPeer(TPageControl& pages, Win32Host& host) : Win32Peer(pages, host), pages_(pages) {}
    void Create(HWND parent) override {
        CreateNative(WS_EX_CONTROLPARENT, WC_TABCONTROLA,
                     WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, parent);
        for (TTabSheet* page : pages_.Pages()) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            std::string caption = page->Caption();
            item.pszText = caption.data();
            SendMessageA(hwnd_, TCM_INSERTITEMA, page->PageIndex(),
                         reinterpret_cast<LPARAM>(&item));
        }
        StateChanged(TControlState::ActivePage);
    }
    void StateChanged(TControlState what) override {
        if (what == TControlState::ActivePage) {
            SendMessageA(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
            return;
        }
        Win32Peer::StateChanged(what);
        if (what == TControlState::Bounds) PlacePages();
    }
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != TCN_SELCHANGE) return false;
        pages_.NativeActivePageChanged(
            static_cast<std::int32_t>(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0)));
        result = 0;
        return true;
    }
    // The pages fill the tab control's display area.
    void PlacePages() {
        const RECT area = DisplayArea();
        for (TTabSheet* page : pages_.Pages()) Place(*page, area);
    }
    void PlacePage(const TTabSheet& page) { Place(page, DisplayArea()); }

private:
    RECT DisplayArea() const {
        RECT area;
        GetClientRect(hwnd_, &area);
        SendMessageA(hwnd_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        return area;
    }
    static void Place(const TTabSheet& page, const RECT& area) {
        if (const auto* peer = static_cast<const Win32Peer*>(page.Peer())) {
            MoveWindow(peer->Hwnd(), area.left, area.top, area.right - area.left,
                       area.bottom - area.top, TRUE);
        }
    }

    TPageControl& pages_;
};

class TabSheetPeer final : public Win32ContainerPeer {
public:
    using Win32ContainerPeer::Win32ContainerPeer;
    void Create(HWND parent) override {
        Win32ContainerPeer::Create(parent);
        PlaceInParent();
    }
    void StateChanged(TControlState what) override {
        if (what == TControlState::Bounds) return PlaceInParent();
        Win32ContainerPeer::StateChanged(what);
    }

private:
    void PlaceInParent() {
        if (auto* parent = static_cast<PageControlPeer*>(Control().Parent()->Peer()))
            parent->PlacePage(static_cast<const TTabSheet&>(Control()));
    }
};

}  // namespace

std::unique_ptr<Win32Peer> MakePeer(TControl& control, Win32Host& host) {
    switch (control.Kind()) {
        case TControlKind::Form:
            return std::make_unique<Win32FormPeer>(static_cast<TForm&>(control), host);
        case TControlKind::Edit:
        case TControlKind::Memo:
            return std::make_unique<EditPeer>(static_cast<TEdit&>(control), host);
        case TControlKind::Label:
            return std::make_unique<LabelPeer>(static_cast<TLabel&>(control), host);
        case TControlKind::Button:
            return std::make_unique<ButtonPeer>(static_cast<TButton&>(control), host);
        case TControlKind::CheckBox:
            return std::make_unique<CheckBoxPeer>(static_cast<TCheckBox&>(control), host);
        case TControlKind::PageControl:
            return std::make_unique<PageControlPeer>(static_cast<TPageControl&>(control), host);
        case TControlKind::TabSheet:
            return std::make_unique<TabSheetPeer>(control, host);
        case TControlKind::MenuBar:
            return std::make_unique<Win32MenuBarPeer>(static_cast<TActionMainMenuBar&>(control),
                                                      host);
        case TControlKind::ListView:
            return std::make_unique<Win32ListViewPeer>(static_cast<TListView&>(control), host);
        case TControlKind::ToolBar:
            return std::make_unique<Win32ToolBarPeer>(static_cast<TActionToolBar&>(control), host);
        default:
            break;
    }
    // Components of other layers made on the ui's control model are told apart by type.
    if (auto* view = dynamic_cast<TCustomTextView*>(&control)) {
        return std::make_unique<Win32TextViewPeer>(*view, host);
    }
    return std::make_unique<Win32ContainerPeer>(control, host);
}

}  // namespace mirevo
