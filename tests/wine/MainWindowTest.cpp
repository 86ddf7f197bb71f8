// The real main window under Windows: its controls, menus, typing, the link shortcut, the
// clipboard and the settings file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "tests/fakes/IniRead.h"
#include "BuildConfig.h"
#include "about/VersionInfo.h"
#include "app/MainForm.h"
#include "platform/Clock.h"
#include "platform/win32/Win32ActionBars.h"
#include "platform/win32/Win32CharTypes.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ClipboardFormats.h"
#include "platform/win32/Win32TextDrops.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32ProfileWriter.h"
#include "platform/win32/Win32VersionResource.h"
#include "settings/MemIniFile.h"
#include "settings/SettingsFile.h"
#include "textview/ClipboardBlock.h"
#include "textview/FontsInfoManager.h"
#include "tests/fakes/FakeUi.h"
#include "tests/wine/MainWindowFixture.h"
#include "tests/wine/RunInLoop.h"
#include "tests/wine/DropTargetTestObjects.h"

namespace mirevo::testing_support {
namespace {

const char kIni[] =
    "[Form]\r\nTop=40\r\nLeft=50\r\nWidth=500\r\nPage=1\r\n"
    "[Options]\r\na8matEsy=E1\r\na8matTxt=T1\r\na8matImg=I1\r\n";

TEST_F(MainWindow, RealControlsCarryTheDesignedCaptionsAndPlace) {
    TMainForm& f = Open(kIni);
    HWND window = HandleOf(f);
    EXPECT_EQ(TextOf(window), "Mirevo");
    RECT bounds;
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, 50);
    EXPECT_EQ(bounds.top, 40);
    EXPECT_EQ(bounds.right - bounds.left, 500);
    EXPECT_EQ(bounds.bottom - bounds.top, 360);

    HWND tabs = HandleOf(f.PageControl1);
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    const char* captions[] = {"簡易リンク", "テキストリンク", "画像リンク", "テキスト＆画像リンク"};
    for (int i = 0; i < 4; ++i) {
        char text[64] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, captions[i]);
    }
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(HandleOf(f.EditTxt2)));
    EXPECT_FALSE(IsWindowVisible(HandleOf(f.EditUrl1)));
    EXPECT_EQ(TextOf(HandleOf(f.EditTxt2.EditLabel)), "リンク対象テキスト： ");
    EXPECT_EQ(TextOf(HandleOf(f.ButtonCopyResult)), "クリップボードにコピー");
    EXPECT_FALSE(IsWindowEnabled(HandleOf(f.ButtonCopyResult)));
    EXPECT_EQ(TextOf(HandleOf(f.LabelResult)), "リンクコード：");

    // The program's icon, its small picture at the small icons' size, comes with the class.
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
    const auto small = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    ICONINFO info{};
    ASSERT_TRUE(small && GetIconInfo(small, &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

// The pages that do not show at first are made after the window's first showing, each then
// in the tab control's display area; the stored page is among those shown first.
TEST_F(MainWindow, HiddenPagesAreMadeOnceTheWindowShows) {
    TMainForm& f = Make("[Form]\r\nPage=2\r\n");
    TTabSheet* const pages[] = {&f.TabSheet1, &f.TabSheet2, &f.TabSheet3, &f.TabSheet4};
    EXPECT_NE(f.TabSheet1.Peer(), nullptr);  // shown at design, before the page was read
    for (TTabSheet* page : {&f.TabSheet2, &f.TabSheet3, &f.TabSheet4}) {
        EXPECT_EQ(page->Peer(), nullptr) << page->Name();
    }
    EXPECT_EQ(f.EditImg3.Peer(), nullptr);

    host_.Show(f);
    Pump();
    HWND tabs = HandleOf(f.PageControl1);
    RECT first{};
    GetWindowRect(HandleOf(f.TabSheet1), &first);
    for (TTabSheet* page : pages) {
        ASSERT_NE(page->Peer(), nullptr) << page->Name();
        HWND window = HandleOf(*page);
        EXPECT_EQ(GetParent(window), tabs) << page->Name();
        EXPECT_EQ(IsWindowVisible(window) != FALSE, page == &f.TabSheet3) << page->Name();
        RECT r{};
        GetWindowRect(window, &r);
        EXPECT_TRUE(EqualRect(&r, &first)) << page->Name();
    }
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(HandleOf(f.EditImg3)));
    EXPECT_EQ(TextOf(HandleOf(f.EditImg3.EditLabel)), "掲載画像URL： ");
}

TEST_F(MainWindow, MenusListTheirItemsWithShortcutsAndState) {
    TMainForm& f = Open(kIni);
    auto* bar = static_cast<Win32MenuBarPeer*>(f.ActionMainMenuBar1.Peer());
    HWND barWindow = bar->Hwnd();
    ASSERT_EQ(SendMessageA(barWindow, TB_BUTTONCOUNT, 0, 0), 3);
    const std::vector<std::vector<std::string>> expected = {
        {"リンク作成(&M)\tCtrl+Enter", "", "設定...(&S)", "履歴(&R)...\tCtrl+H", "", "終了(&X)"},
        {"元に戻す(&U)\tCtrl+Z", "", "切り取り(&T)\tCtrl+X", "コピー(&C)\tCtrl+C",
         "貼り付け(&P)\tCtrl+V", "削除(&D)\tDel", "", "すべてを選択(&A)\tCtrl+A", "クリア(&Z)"},
        {"Mirevo について(&A)"}};
    for (std::size_t m = 0; m < expected.size(); ++m) {
        HMENU menu = bar->BuildMenu(f.ActionMainMenuBar1.Menus[m]);
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected[m].size()));
        for (std::size_t i = 0; i < expected[m].size(); ++i) {
            char text[128] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(text, expected[m][i]) << m << "/" << i;
        }
        if (m == 1) {  // nothing to undo, cut or paste in an empty window
            EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
            EXPECT_FALSE(GetMenuState(menu, 8, MF_BYPOSITION) & MF_GRAYED);
        }
        DestroyMenu(menu);
    }
}

TEST_F(MainWindow, TypingLinkShortcutResultAndClipboardRoundTrip) {
    TMainForm& f = Open(kIni);
    const std::string url = std::string("http://item.") + config::MerchantDomainA + "/a/";
    HWND urlEdit = HandleOf(f.EditUrl2);
    HWND textEdit = HandleOf(f.EditTxt2);
    SetFocus(urlEdit);
    Type(urlEdit, url);
    EXPECT_EQ(TextOf(HandleOf(f.EditUrl1)), url);
    EXPECT_EQ(TextOf(HandleOf(f.EditUrl4)), url);
    EXPECT_EQ(f.EditUrl3.Color(), clInfoBk);
    SetWindowTextA(textEdit, "商品");
    Pump();
    EXPECT_EQ(f.EditTxt4.Text(), "商品");

    PressWithCtrl(textEdit, VK_RETURN);
    const std::string code = TextOf(HandleOf(f.TextMemo1));
    EXPECT_EQ(code.rfind("<a href=\"http://", 0), 0u) << code;
    EXPECT_NE(code.find("a8mat=T1&"), std::string::npos) << code;
    EXPECT_NE(code.find(">商品</a>"), std::string::npos) << code;
    EXPECT_TRUE(IsWindowEnabled(HandleOf(f.ButtonCopyResult)));
    EXPECT_TRUE(dialogs_.shown.empty());

    clipboard_.SetText("before");
    SendMessageA(HandleOf(f.ButtonCopyResult), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(clipboard_.GetText(), code);
}

TEST_F(MainWindow, ResizingWidensTheFieldsAndClosingWritesThePlacement) {
    TMainForm& f = Open(kIni);
    HWND window = HandleOf(f);
    RECT before;
    GetWindowRect(HandleOf(f.EditTxt2), &before);
    SetWindowPos(window, nullptr, 60, 70, 600, 420, SWP_NOZORDER);
    Pump();
    RECT after;
    GetWindowRect(HandleOf(f.EditTxt2), &after);
    EXPECT_EQ((after.right - after.left) - (before.right - before.left), 100);

    PostMessageA(window, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(f.Closed());
    EXPECT_EQ(f.Peer(), nullptr);
    const TMemIniFile ini = ReadIni(iniPath_);
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 0), 70);
    EXPECT_EQ(ini.ReadNumber("Form", "Left", 0), 60);
    EXPECT_EQ(ini.ReadNumber("Form", "Width", 0), 600);
    EXPECT_EQ(ini.ReadNumber("Form", "Height", 0), 420);
    EXPECT_EQ(ini.ReadNumber("Form", "Page", 0), 1);
    EXPECT_EQ(ini.ReadText("Options", "a8matTxt", ""), "T1");
}

TEST_F(MainWindow, AltAndTheAccessKeyDropDownTheMenu) {
    TMainForm& f = Open(kIni);
    int items = -1;
    RunInNextLoop(
        [&] {
            HWND popup = FindWindowA("#32768", nullptr);
            if (popup) {
                items = GetMenuItemCount(
                    reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)));
            }
            EndMenu();
        },
        50);
    SendMessageA(HandleOf(f), WM_SYSCOMMAND, SC_KEYMENU, 'e');
    EXPECT_EQ(items, 9);
}

TEST_F(MainWindow, EditShortcutsActOnTheFocusedFieldAndPassWhenDisabled) {
    TMainForm& f = Open(kIni);
    HWND edit = HandleOf(f.EditTxt2);
    SetWindowTextA(edit, "abc");
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 2);
    clipboard_.SetText("");
    PressWithCtrl(edit, 'C');
    EXPECT_EQ(clipboard_.GetText(), "ab");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 1);  // nothing selected: the key reaches the field
    Pump();
    EXPECT_EQ(f.EditTxt4.Text(), "ac");
}

// Drags text onto the window with the platform's own drag loop; the cursor rests over the
// window and the source drops after a few checks.
void DragOnto(HWND window, const std::string& text) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    TestDataObject data(TestDataObject::Offer::GlobalText, text);
    TestDropSource source(4);
    DWORD effect = DROPEFFECT_COPY;
    const DragWatchdog watchdog;
    DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
}

TEST_F(MainWindow, DraggedAddressesFillTheirFields) {
    TMainForm& f = Open(kIni);
    const std::string image = std::string("http://image.") + config::MerchantDomainB + "/x.png";
    DragOnto(HandleOf(f), image);
    Pump();
    EXPECT_EQ(f.EditImg3.Text(), image);
    EXPECT_EQ(TextOf(HandleOf(f.EditImg4)), image);
    EXPECT_EQ(f.EditUrl1.Text(), "");
    DragOnto(HandleOf(f), "plain words");
    Pump();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "楽天のURLではありません。");
}

TEST_F(MainWindow, AboutBoxShowsTheRealVersionResource) {
    TMainForm& f = Open(kIni);
    std::string caption;
    std::string version;
    RunInNextLoop([&] {
        HWND box = GetActiveWindow();
        char text[128] = {};
        GetWindowTextA(box, text, sizeof text);
        caption = text;
        const TVersionInfo info(versions_, host_.ExeName());
        version = info.FileVersion();
        PostMessageA(box, WM_CLOSE, 0, 0);
    });
    f.ActionAbout.Execute();
    EXPECT_EQ(caption, "Mirevo について");
    EXPECT_EQ(version, "1, 3, 1, 0");
}

BOOL CALLBACK FindComments(HWND window, LPARAM found) {
    char name[64] = {};
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(GetPropA(window, "MirevoControlName")));
    if (atom && GlobalGetAtomNameA(atom, name, sizeof name) && std::string(name) == "Comments") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

TEST_F(MainWindow, TheAboutBoxLinkShowsTheHandCursor) {
    TMainForm& f = Open(kIni);
    HCURSOR shown = nullptr;
    RunInNextLoop([&] {
        HWND box = GetActiveWindow();
        HWND comments = nullptr;
        EnumChildWindows(box, FindComments, reinterpret_cast<LPARAM>(&comments));
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        if (comments) {
            SendMessageA(comments, WM_SETCURSOR, reinterpret_cast<WPARAM>(comments),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        }
        shown = GetCursor();
        PostMessageA(box, WM_CLOSE, 0, 0);
    });
    f.ActionAbout.Execute();
    EXPECT_EQ(shown, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
}

}  // namespace
}  // namespace mirevo::testing_support
