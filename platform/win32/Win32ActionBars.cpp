#include "platform/win32/Win32ActionBars.h"

// Before <windowsx.h>, whose SelectFont macro would rename the drawing surface's method.
#include "platform/win32/Win32Convert.h"

#include <windowsx.h>

#include <cctype>

#include "common/DpiScale.h"
#include "platform/win32/Win32Host.h"

namespace mirevo {

namespace {

constexpr COLORREF kMaskColor = RGB(255, 0, 255);

// The bitmap stretched by whole pixels (no blending), so that the mask colour stays exact.
HBITMAP Stretched(HBITMAP design, const BITMAP& info, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP stretched = CreateCompatibleBitmap(screen, width, height);
    if (from && to && stretched) {
        HGDIOBJ oldFrom = SelectObject(from, design);
        HGDIOBJ oldTo = SelectObject(to, stretched);
        SetStretchBltMode(to, COLORONCOLOR);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return stretched;
}

// The strip of images at the density: as drawn at 96 dots per inch, stretched elsewhere.
HIMAGELIST LoadImages(const TImageList* list, UINT dpi) {
    if (!list || list->ResourceName.empty() || list->Width <= 0) return nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* name = list->ResourceName.c_str();
    if (dpi == kDesignDpi) {
        return ImageList_LoadImageA(instance, name, list->Width, 0, kMaskColor, IMAGE_BITMAP,
                                    LR_CREATEDIBSECTION);
    }
    auto* design =
        static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!design || GetObjectA(design, sizeof info, &info) == 0 || info.bmWidth < list->Width) {
        if (design) DeleteObject(design);
        return nullptr;
    }
    const int count = info.bmWidth / list->Width;
    const int width = ToDevicePixels(list->Width, dpi);
    const int height = ToDevicePixels(info.bmHeight, dpi);
    HBITMAP strip = Stretched(design, info, width * count, height);
    DeleteObject(design);
    if (!strip) return nullptr;
    HIMAGELIST images = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (images) ImageList_AddMasked(images, strip, kMaskColor);
    DeleteObject(strip);
    return images;
}

// Replaces a bar's images by those at its density.
void ReloadImages(HIMAGELIST& images, const TImageList* list, UINT dpi) {
    HIMAGELIST old = images;
    images = LoadImages(list, dpi);
    if (old) ImageList_Destroy(old);
}

HWND CreateBar(HWND parent, Win32Peer& peer, DWORD extraStyle) {
    return CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                               CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | extraStyle,
                           0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), &peer);
}

void AddButton(HWND bar, int id, int image, const std::string& text, BYTE style, bool enabled) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = id;
    button.fsState = enabled ? TBSTATE_ENABLED : 0;
    button.fsStyle = style;
    button.iString = text.empty() ? -1 : reinterpret_cast<INT_PTR>(text.c_str());
    SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
}

// Hot items take the bars' highlight colour.
LRESULT CustomDraw(NMTBCUSTOMDRAW& draw, const TColorMap& colors) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            draw.clrText = GetSysColor(COLOR_BTNTEXT);
            draw.clrTextHighlight = GetSysColor(COLOR_BTNTEXT);
            draw.clrHighlightHotTrack = Win32Host::ColorRef(colors.HighlightColor);
            return TBCDRF_HILITEHOTTRACK;
        default:
            return CDRF_DODEFAULT;
    }
}

// The bar whose drop-down is open on this thread: a message filter hook has no other way
// to reach it.
thread_local Win32MenuBarPeer* tracking = nullptr;

bool IsPressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

Win32MenuBarPeer::~Win32MenuBarPeer() {
    if (images_) ImageList_Destroy(images_);
}

void Win32MenuBarPeer::Create(HWND parent) {
    hwnd_ = CreateBar(parent, *this, 0);
    Adopt();
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETBITMAPSIZE, 0, MAKELONG(0, 0));
    // Access keys stay underlined, not only while Alt is held.
    SendMessageA(hwnd_, TB_SETDRAWTEXTFLAGS, DT_HIDEPREFIX, 0);
    ApplyFont();
    std::vector<char> accessKeys;
    for (std::size_t i = 0; i < bar_.Menus.size(); ++i) {
        AddButton(hwnd_, static_cast<int>(i + 1), I_IMAGENONE, bar_.Menus[i].Caption,
                  BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT, true);
        accessKeys.push_back(AccessKeyOf(bar_.Menus[i].Caption));
    }
    keys_ = std::make_unique<TMenuBarKeys>(std::move(accessKeys));
    ApplyBounds();
}

void Win32MenuBarPeer::Rescale() {
    if (images_) ReloadImages(images_, bar_.Images, Dpi());
    Win32Peer::Rescale();
}

bool Win32MenuBarPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != NM_CUSTOMDRAW) return false;
    result = CustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(header), bar_.ColorMap);
    return true;
}

void Win32MenuBarPeer::OnCommand(WORD, WORD id) {
    if (id < 1 || id > bar_.Menus.size()) return;
    keys_->OpenedByMouse(id - 1u);
    DropDown(id - 1u, false);
}

bool Win32MenuBarPeer::HandleKeyMessage(const MSG& message) {
    const auto key = win32::KeyCodeOf(message.wParam);
    switch (message.message) {
        case WM_SYSKEYDOWN:
            if (key == VK_F10 && !IsPressed(VK_SHIFT)) return Carry(keys_->Toggle());
            if (key == VK_MENU) {
                // A first press only: a held Alt repeats.
                if ((message.lParam & (1 << 30)) == 0) altAlone_ = true;
                return false;
            }
            altAlone_ = false;
            return false;
        case WM_SYSKEYUP:
            // Released alone, Alt would start the window's own menu mode: the bar takes it.
            if (key == VK_MENU && altAlone_) {
                altAlone_ = false;
                return Carry(keys_->Toggle());
            }
            return key == VK_F10 && !IsPressed(VK_SHIFT);
        case WM_SYSCHAR:
            return Carry(keys_->AltCharacter(static_cast<char>(message.wParam)));
        case WM_KEYDOWN:
            altAlone_ = false;
            return keys_->State() == TMenuBarState::Highlighted && Carry(keys_->KeyOnBar(key));
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            altAlone_ = false;
            if (keys_->State() == TMenuBarState::Highlighted) {
                keys_->Closed();
                SetHot(-1);
            }
            return false;
        default:
            return false;
    }
}

bool Win32MenuBarPeer::HandleMenuKey(char key) {
    if (key == 0) return Carry(keys_->Toggle());
    return Carry(keys_->AltCharacter(key));
}

bool Win32MenuBarPeer::Carry(const TMenuBarStep& step) {
    using TAction = TMenuBarStep::TAction;
    switch (step.Action) {
        case TAction::Pass:
            return false;
        case TAction::Swallow:
            return true;
        case TAction::Highlight:
            SetHot(static_cast<int>(step.Menu));
            return true;
        case TAction::Open:
            DropDown(step.Menu, true);
            return true;
        case TAction::Leave:
            SetHot(-1);
            return true;
        case TAction::LeaveAndPass:
            SetHot(-1);
            return false;
    }
    return false;
}

void Win32MenuBarPeer::SetHot(int index) {
    SendMessageA(hwnd_, TB_SETHOTITEM, index < 0 ? static_cast<WPARAM>(-1) : index, 0);
}

// The images are drawn by the items (HBMMENU_CALLBACK) over the item's own background, so
// that a highlighted item shows them as they are instead of inverted.
bool Win32MenuBarPeer::MeasureImage(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || !bar_.Images) return false;
    item.itemWidth = static_cast<UINT>(ToDevice(bar_.Images->Width));
    item.itemHeight = static_cast<UINT>(ToDevice(bar_.Images->Height));
    return true;
}

bool Win32MenuBarPeer::DrawImage(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_MENU || !images_ || !bar_.Images) return false;
    const auto index = static_cast<int>(item.itemData);
    if (!bar_.Images->Has(index)) return false;
    const RECT& r = item.rcItem;
    const int x = r.left + (r.right - r.left - ToDevice(bar_.Images->Width)) / 2;
    const int y = r.top + (r.bottom - r.top - ToDevice(bar_.Images->Height)) / 2;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    ImageList_DrawEx(images_, index, item.hDC, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                     ILD_TRANSPARENT | (grayed ? ILD_BLEND50 : 0));
    return true;
}

HMENU Win32MenuBarPeer::BuildMenu(const TMenuDefinition& menu) {
    // Loaded for the first menu that drops down, not for the window's first showing.
    if (!images_) images_ = LoadImages(bar_.Images, Dpi());
    HMENU popup = CreatePopupMenu();
    for (std::size_t i = 0; i < menu.Items.size(); ++i) {
        const TActionClientItem& item = menu.Items[i];
        if (item.IsSeparator()) {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        item.Action->Update();
        std::string text = item.ShownCaption();
        const std::string shortCut = ShortCutToText(item.Action->ShortCut);
        if (!shortCut.empty()) text += "\t" + shortCut;
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_BITMAP | MIIM_DATA;
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = text.data();
        info.fState = item.Action->Enabled() ? MFS_ENABLED : MFS_GRAYED;
        const bool image = images_ && bar_.Images && bar_.Images->Has(item.ImageIndex);
        info.hbmpItem = image ? HBMMENU_CALLBACK : nullptr;
        info.dwItemData = static_cast<ULONG_PTR>(item.ImageIndex);
        InsertMenuItemA(popup, static_cast<UINT>(i), TRUE, &info);
    }
    return popup;
}

void Win32MenuBarPeer::DropDown(std::size_t index, bool byKeyboard) {
    for (;;) {
        const TMenuDefinition& menu = bar_.Menus[index];
        RECT button{};
        SendMessageA(hwnd_, TB_GETRECT, index + 1, reinterpret_cast<LPARAM>(&button));
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&button), 2);
        HMENU popup = BuildMenu(menu);
        SetHot(-1);
        SendMessageA(hwnd_, TB_PRESSBUTTON, index + 1, TRUE);
        // Opened by a key, a drop-down starts with its first item selected.
        if (byKeyboard) PostMessageA(GetParent(hwnd_), WM_KEYDOWN, VK_DOWN, 0);
        switchTo_.reset();
        escaped_ = false;
        tracking = this;
        HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, MenuFilter, nullptr, GetCurrentThreadId());
        TPMPARAMS exclude{sizeof(TPMPARAMS), button};
        const UINT chosen =
            TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, button.left,
                             button.bottom, GetParent(hwnd_), &exclude);
        if (hook) UnhookWindowsHookEx(hook);
        tracking = nullptr;
        SendMessageA(hwnd_, TB_PRESSBUTTON, index + 1, FALSE);
        DestroyMenu(popup);
        if (chosen >= 1 && chosen <= menu.Items.size()) {
            keys_->Closed();
            TAction* action = menu.Items[chosen - 1].Action;
            Host().Guard([action] { action->Execute(); });
            return;
        }
        if (switchTo_) {
            index = *switchTo_;
            byKeyboard = switchByKeyboard_;
            continue;
        }
        if (escaped_) {
            SetHot(static_cast<int>(index));  // back on the bar
        } else {
            keys_->Closed();
        }
        return;
    }
}

LRESULT CALLBACK Win32MenuBarPeer::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && tracking &&
        tracking->FilterMenuMessage(*reinterpret_cast<const MSG*>(lParam))) {
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Keys of the bar inside an open drop-down, and the mouse moving onto another menu's button.
bool Win32MenuBarPeer::FilterMenuMessage(const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        const TMenuBarStep step = keys_->KeyInMenu(win32::KeyCodeOf(message.wParam));
        if (step.Action == TMenuBarStep::TAction::Open) {
            switchTo_ = step.Menu;
            switchByKeyboard_ = true;
            EndMenu();
            return true;
        }
        if (step.Action == TMenuBarStep::TAction::Highlight) escaped_ = true;
        return false;
    }
    if (message.message == WM_MOUSEMOVE) {
        POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
        ClientToScreen(message.hwnd, &point);
        ScreenToClient(hwnd_, &point);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, point)) return false;
        const auto button =
            static_cast<int>(SendMessageA(hwnd_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
        if (button >= 0 && static_cast<std::size_t>(button) < bar_.Menus.size() &&
            static_cast<std::size_t>(button) != keys_->Current()) {
            keys_->OpenedByMouse(static_cast<std::size_t>(button));
            switchTo_ = static_cast<std::size_t>(button);
            switchByKeyboard_ = false;
            EndMenu();
            return true;
        }
    }
    return false;
}

Win32ToolBarPeer::~Win32ToolBarPeer() {
    if (images_) ImageList_Destroy(images_);
}

void Win32ToolBarPeer::Create(HWND parent) {
    hwnd_ = CreateBar(parent, *this, TBSTYLE_TOOLTIPS);
    Adopt();
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    ApplyFont();
    images_ = LoadImages(bar_.Images, Dpi());
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    for (std::size_t i = 0; i < bar_.Items.size(); ++i) {
        const TActionClientItem& item = bar_.Items[i];
        if (item.IsSeparator()) {
            AddButton(hwnd_, 0, 0, "", BTNS_SEP, true);
            continue;
        }
        const bool hasImage = bar_.Images && bar_.Images->Has(item.ImageIndex);
        AddButton(hwnd_, static_cast<int>(i + 1), hasImage ? item.ImageIndex : I_IMAGENONE,
                  item.ShownCaption(), BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT,
                  item.Action->Enabled());
    }
    ApplyBounds();
}

void Win32ToolBarPeer::Rescale() {
    ReloadImages(images_, bar_.Images, Dpi());
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    Win32Peer::Rescale();
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
}

void Win32ToolBarPeer::Refresh() {
    for (std::size_t i = 0; i < bar_.Items.size(); ++i) {
        const TActionClientItem& item = bar_.Items[i];
        if (item.IsSeparator()) continue;
        const WPARAM id = i + 1;
        const bool enabled = item.Action->Enabled();
        if ((SendMessageA(hwnd_, TB_ISBUTTONENABLED, id, 0) != 0) != enabled) {
            SendMessageA(hwnd_, TB_ENABLEBUTTON, id, MAKELONG(enabled, 0));
        }
    }
}

void Win32ToolBarPeer::OnCommand(WORD, WORD id) {
    if (id < 1 || id > bar_.Items.size()) return;
    TAction* action = bar_.Items[id - 1u].Action;
    if (action) action->Execute();
}

bool Win32ToolBarPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code == NM_CUSTOMDRAW) {
        result = CustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(header), bar_.ColorMap);
        return true;
    }
    if (header.code == TBN_GETINFOTIPA) {
        auto& tip = reinterpret_cast<NMTBGETINFOTIPA&>(header);
        const int index = tip.iItem - 1;
        if (index < 0 || index >= static_cast<int>(bar_.Items.size())) return false;
        const TAction* action = bar_.Items[static_cast<std::size_t>(index)].Action;
        if (!action) return false;
        const std::string hint = ShortHint(action->Hint);
        lstrcpynA(tip.pszText, (hint.empty() ? action->Caption : hint).c_str(), tip.cchTextMax);
        return true;
    }
    return false;
}

}  // namespace mirevo
