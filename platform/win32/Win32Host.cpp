#include "platform/win32/Win32Host.h"

#include <windows.h>
#include <commctrl.h>

#include "common/DpiScale.h"
#include "platform/win32/Win32ActionBars.h"
#include "platform/win32/Win32Convert.h"
#include "platform/win32/Win32FormPeer.h"
#include "platform/win32/Win32PeerFactory.h"
#include "platform/win32/Win32VersionResource.h"
#include "ui/Action.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/PageControl.h"

namespace mirevo {

namespace {

// Windows of a class with an icon show the program's. Its small picture is loaded at its own
// size: left to the system, it is scaled down from the large one at registration, which took
// 1.5 ms of the start under Wine. Child windows show no icon.
void RegisterClass(const char* name, bool withIcon) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Win32ContainerPeer::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    if (withIcon) {
        wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
        wc.hIconSm = static_cast<HICON>(LoadImageA(wc.hInstance, "MAINICON", IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    RegisterClassExA(&wc);
}

TShortCut ShortCutOf(WPARAM key) {
    TShortCut shortCut = win32::KeyCodeOf(key);
    if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
    if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
    if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
    return shortCut;
}

bool IsModifier(WPARAM key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN ||
           key == VK_RWIN;
}

void DetachPeers(TControl& control) {
    for (TControl* child : control.Children()) {
        DetachPeers(*child);
        child->DetachPeer();
    }
}

template <typename Visit>
void ForEachControl(TControl& control, Visit&& visit) {
    for (TControl* child : control.Children()) {
        visit(*child);
        ForEachControl(*child, visit);
    }
}

// After a click on the tab strip the focus is on the tab control, which the dialog manager
// passes over together with its pages; Tab goes into the active page instead.
bool TabIntoActivePage(const MSG& message, TShortCut shortCut) {
    if (shortCut != kKeyTab) return false;
    Win32Peer* peer = Win32Peer::Of(message.hwnd);
    if (!peer || peer->Control().Kind() != TControlKind::PageControl) return false;
    TControl* first = TForm::FirstTabStopOf(static_cast<TPageControl&>(peer->Control()));
    if (!first) return false;
    first->SetFocus();
    return true;
}

// A field that asks for its keys first (the history's search sends Down into its list).
bool FieldTakesKey(const MSG& message, TShortCut shortCut) {
    Win32Peer* peer = Win32Peer::Of(message.hwnd);
    if (!peer) return false;
    const TControlKind kind = peer->Control().Kind();
    if (kind != TControlKind::Edit && kind != TControlKind::Memo) return false;
    return static_cast<TEdit&>(peer->Control()).KeyDown(shortCut);
}

// The next message, false at WM_QUIT. A message the system failed to hand over is passed
// over: GetMessageW answers below 0 then (under Wine, for another program's message of a
// megabyte), and ending the loop there would close the program on another's say.
bool NextMessage(MSG& message) {
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got >= 0) return got != 0;
    }
}

}  // namespace

const char* Win32Host::FormClass() { return "MirevoForm"; }
const char* Win32Host::ContainerClass() { return "MirevoContainer"; }

Win32Host::Win32Host() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterClass(FormClass(), true);
    RegisterClass(ContainerClass(), false);
}

Win32Host::~Win32Host() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
    for (const auto& [color, brush] : brushes_) {
        if (!IsSystemColor(color)) DeleteObject(brush);
    }
}

void Win32Host::CreatePeers(TControl& control, HWND parent) {
    if (control.Kind() == TControlKind::TabSheet && !control.Visible()) {
        waitingPages_.push_back(&control);
        return;
    }
    CreatePeersNow(control, parent);
}

void Win32Host::CreatePeersNow(TControl& control, HWND parent) {
    auto peer = MakePeer(control, *this);
    Win32Peer& created = *peer;
    control.AttachPeer(std::move(peer));
    created.Create(parent);
    for (TControl* child : control.Children()) CreatePeers(*child, created.Hwnd());
}

void Win32Host::CreateWaitingPeers(const TForm& form, bool shownPagesOnly) {
    std::vector<TControl*> pages;
    std::swap(pages, waitingPages_);
    for (TControl* page : pages) {
        if (page->OwnerForm() != &form || (shownPagesOnly && !page->Visible())) {
            waitingPages_.push_back(page);
            continue;
        }
        CreatePeersNow(*page, static_cast<Win32Peer*>(page->Parent()->Peer())->Hwnd());
    }
}

void Win32Host::Realize(TForm& form) {
    if (form.Peer()) return;
    HWND owner = nullptr;
    if (form.Owner() && form.Owner()->Peer()) {
        owner = reinterpret_cast<HWND>(form.Owner()->Peer()->Handle());
    }
    CreatePeers(form, owner);
    static_cast<Win32FormPeer*>(form.Peer())->SyncBounds();
}

void Win32Host::Show(TForm& form) {
    auto* peer = static_cast<Win32FormPeer*>(form.Peer());
    if (!peer) return;
    // The hidden pages are made after the first paint, so the window shows sooner.
    CreateWaitingPeers(form, true);
    peer->PlaceForShow();
    ShowWindow(peer->Hwnd(), SW_SHOW);
    UpdateWindow(peer->Hwnd());
    CreateWaitingPeers(form, false);
    // The first control in tab order takes the focus, as in a dialog.
    if (HWND first = GetNextDlgTabItem(peer->Hwnd(), nullptr, FALSE)) ::SetFocus(first);
}

void Win32Host::UpdateActions(TForm& form) {
    Guard([&form] {
        for (TActionList* list : form.ActionLists()) list->UpdateAll();
        ForEachControl(form, [](TControl& control) {
            if (control.Kind() == TControlKind::ToolBar && control.Peer()) {
                static_cast<Win32ToolBarPeer*>(control.Peer())->Refresh();
            }
        });
    });
}

// The menu bar sees its form's keys (and mouse presses, which end its keyboard mode) first,
// wherever the focus is.
bool Win32Host::HandleMenuBarKey(const MSG& message) {
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    const bool press = message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN ||
                       message.message == WM_MBUTTONDOWN || message.message == WM_NCLBUTTONDOWN ||
                       message.message == WM_NCRBUTTONDOWN;
    if (!key && !press) return false;
    auto* peer = dynamic_cast<Win32FormPeer*>(Win32Peer::Of(GetAncestor(message.hwnd, GA_ROOT)));
    Win32MenuBarPeer* bar = peer ? peer->MenuBar() : nullptr;
    bool handled = false;
    if (bar) Guard([&] { handled = bar->HandleKeyMessage(message); });
    return handled;
}

bool Win32Host::HandleShortCut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (IsModifier(message.wParam)) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    auto* peer = dynamic_cast<Win32FormPeer*>(Win32Peer::Of(root));
    if (!peer) return false;
    auto& form = static_cast<TForm&>(peer->Control());
    bool handled = false;
    Guard([&] {
        const TShortCut shortCut = ShortCutOf(message.wParam);
        handled = form.SwitchPageByKey(shortCut) || form.IsShortCut(shortCut) ||
                  TabIntoActivePage(message, shortCut) || FieldTakesKey(message, shortCut);
    });
    return handled;
}

// Messages are taken and dispatched in their Unicode form: a double-byte character typed or
// handed over by an input method then reaches the (Unicode) edits whole, while windows of
// the program's own ANSI classes still receive it as two bytes.
void Win32Host::ProcessMessage(MSG& message) {
    if (HandleMenuBarKey(message)) return;
    if (HandleShortCut(message)) return;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root && dynamic_cast<Win32FormPeer*>(Win32Peer::Of(root)) &&
        IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Host::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        ProcessMessage(message);
    }
    if (mainForm_ && mainForm_->Peer()) UpdateActions(*mainForm_);
}

void Win32Host::RunMessageLoop(TForm& mainForm) {
    mainForm_ = &mainForm;
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && mainForm.Peer()) {
            UpdateActions(mainForm);
        }
        if (!NextMessage(message)) break;
        ProcessMessage(message);
    }
    mainForm_ = nullptr;
}

void Win32Host::RunModal(TForm& form) {
    auto* peer = static_cast<Win32FormPeer*>(form.Peer());
    if (!peer) return;
    HWND owner = form.Owner() && form.Owner()->Peer()
                     ? reinterpret_cast<HWND>(form.Owner()->Peer()->Handle())
                     : nullptr;
    if (owner) EnableWindow(owner, FALSE);
    Show(form);
    MSG message;
    bool quit = false;
    while (!form.Closed() && form.ModalResult() == mrNone) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) UpdateActions(form);
        if (!NextMessage(message)) {
            quit = true;
            break;
        }
        ProcessMessage(message);
    }
    // Re-enabling the owner first keeps the activation with it.
    if (owner) EnableWindow(owner, TRUE);
    Unrealize(form);
    if (owner) SetActiveWindow(owner);
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

void Win32Host::Unrealize(TForm& form) {
    if (!form.Peer()) return;
    HWND hwnd = reinterpret_cast<HWND>(form.Peer()->Handle());
    std::erase_if(waitingPages_, [&form](TControl* page) { return page->OwnerForm() == &form; });
    DetachPeers(form);
    const auto peer = form.DetachPeer();
    DestroyWindow(hwnd);
    if (&form == mainForm_) PostQuitMessage(0);
}

std::string Win32Host::ExeName() const { return RunningExecutablePath(); }

HFONT Win32Host::Font(const TFontSpec& request, UINT dpi) {
    const auto key =
        std::make_tuple(request.Name, request.Height, request.Charset, request.Underline, dpi);
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    HFONT font = CreateFontA(ToDevicePixels(request.Height, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                             request.Underline, FALSE, request.Charset, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             request.Name.c_str());
    fonts_.emplace(key, font);
    return font;
}

HBRUSH Win32Host::Brush(TColor color) {
    if (IsSystemColor(color)) return GetSysColorBrush(SystemColorIndex(color));
    if (const auto it = brushes_.find(color); it != brushes_.end()) return it->second;
    HBRUSH brush = CreateSolidBrush(ColorRef(color));
    brushes_.emplace(color, brush);
    return brush;
}

COLORREF Win32Host::ColorRef(TColor color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color))
                                : static_cast<COLORREF>(color);
}

}  // namespace mirevo
