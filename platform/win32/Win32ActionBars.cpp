#include "platform/win32/Win32ActionBars.h"

#include <cctype>

#include "platform/win32/Win32Host.h"

namespace mirevo {

namespace {

constexpr COLORREF kMaskColor = RGB(255, 0, 255);

HIMAGELIST LoadImages(const TImageList* list) {
    if (!list || list->ResourceName.empty()) return nullptr;
    return ImageList_LoadImageA(GetModuleHandleA(nullptr), list->ResourceName.c_str(), list->Width,
                                0, kMaskColor, IMAGE_BITMAP, LR_CREATEDIBSECTION);
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

char AccessKey(const std::string& caption) {
    const auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
}

}  // namespace

Win32MenuBarPeer::~Win32MenuBarPeer() {
    for (HBITMAP bitmap : bitmaps_) {
        if (bitmap) DeleteObject(bitmap);
    }
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
    images_ = LoadImages(bar_.Images);
    for (std::size_t i = 0; i < bar_.Menus.size(); ++i) {
        AddButton(hwnd_, static_cast<int>(i + 1), I_IMAGENONE, bar_.Menus[i].Caption,
                  BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT, true);
    }
    ApplyBounds();
}

bool Win32MenuBarPeer::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.code != NM_CUSTOMDRAW) return false;
    result = CustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(header), bar_.ColorMap);
    return true;
}

void Win32MenuBarPeer::OnCommand(WORD, WORD id) {
    if (id >= 1 && id <= bar_.Menus.size()) OpenMenu(id - 1u);
}

bool Win32MenuBarPeer::OpenByAccessKey(char key) {
    if (bar_.Menus.empty()) return false;
    if (key == 0 || key == ' ') {
        if (key == 0) OpenMenu(0);
        return key == 0;
    }
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    for (std::size_t i = 0; i < bar_.Menus.size(); ++i) {
        if (AccessKey(bar_.Menus[i].Caption) == wanted) {
            OpenMenu(i);
            return true;
        }
    }
    return false;
}

HBITMAP Win32MenuBarPeer::ImageBitmap(std::int32_t index) {
    if (!images_ || !bar_.Images || !bar_.Images->Has(index)) return nullptr;
    if (bitmaps_.empty()) bitmaps_.resize(static_cast<std::size_t>(bar_.Images->Count), nullptr);
    HBITMAP& bitmap = bitmaps_[static_cast<std::size_t>(index)];
    if (bitmap) return bitmap;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, bar_.Images->Width, bar_.Images->Height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT box{0, 0, bar_.Images->Width, bar_.Images->Height};
    FillRect(memory, &box, GetSysColorBrush(COLOR_MENU));
    ImageList_Draw(images_, index, memory, 0, 0, ILD_TRANSPARENT);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

HMENU Win32MenuBarPeer::BuildMenu(const TMenuDefinition& menu) {
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
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_BITMAP;
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = text.data();
        info.fState = item.Action->Enabled() ? MFS_ENABLED : MFS_GRAYED;
        info.hbmpItem = ImageBitmap(item.ImageIndex);
        InsertMenuItemA(popup, static_cast<UINT>(i), TRUE, &info);
    }
    return popup;
}

void Win32MenuBarPeer::OpenMenu(std::size_t index) {
    const TMenuDefinition& menu = bar_.Menus[index];
    RECT button{};
    SendMessageA(hwnd_, TB_GETRECT, index + 1, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&button), 2);
    HMENU popup = BuildMenu(menu);
    SendMessageA(hwnd_, TB_PRESSBUTTON, index + 1, TRUE);
    const UINT chosen = TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                       button.left, button.bottom, 0, GetParent(hwnd_), nullptr);
    SendMessageA(hwnd_, TB_PRESSBUTTON, index + 1, FALSE);
    DestroyMenu(popup);
    if (chosen >= 1 && chosen <= menu.Items.size()) {
        TAction* action = menu.Items[chosen - 1].Action;
        Host().Guard([action] { action->Execute(); });
    }
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
    images_ = LoadImages(bar_.Images);
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
