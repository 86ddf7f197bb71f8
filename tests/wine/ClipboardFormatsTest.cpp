// The clipboard with plain text and the view's private block format on the real platform.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ClipboardAccess.h"
#include "platform/win32/Win32ClipboardFormats.h"
#include "textview/ClipboardBlock.h"

namespace mirevo {
namespace {

TEST(ClipboardFormats, PutsPlainTextAndTheBlock) {
    Win32ClipboardFormats clipboard(kClipboardBlockFormatName);
    CopyToClipboard(clipboard, TSelectionMode::smLine, "一行\r\n");
    EXPECT_TRUE(clipboard.HasText());
    EXPECT_TRUE(clipboard.HasPrivate());
    EXPECT_EQ(clipboard.GetText(), "一行\r\n");
    const auto bytes = clipboard.GetPrivate();
    ASSERT_TRUE(bytes.has_value());
    ASSERT_GE(bytes->size(), 8u);
    EXPECT_EQ(bytes->substr(0, 8), std::string("\1一行\r\n\0", 8));
    EXPECT_EQ(TextToPaste(clipboard, TSelectionMode::smNormal),
              (TClipboardBlock{TSelectionMode::smLine, "一行\r\n"}));
}

TEST(ClipboardFormats, FormatIsRegisteredByItsName) {
    Win32ClipboardFormats clipboard(kClipboardBlockFormatName);
    CopyToClipboard(clipboard, TSelectionMode::smColumn, "ab");
    const UINT format = RegisterClipboardFormatA("Mirevo TextView Block Type");
    EXPECT_TRUE(IsClipboardFormatAvailable(format));
}

TEST(ClipboardFormats, PlainTextFromElsewherePastesInTheCurrentMode) {
    Win32ClipboardFormats clipboard(kClipboardBlockFormatName);
    ASSERT_TRUE(clipboard.Put("x", EncodeClipboardBlock(TSelectionMode::smNormal, "x")));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(block), "plain", 6);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    EXPECT_FALSE(clipboard.HasPrivate());
    EXPECT_TRUE(CanPaste(false, clipboard));
    EXPECT_EQ(TextToPaste(clipboard, TSelectionMode::smColumn),
              (TClipboardBlock{TSelectionMode::smColumn, "plain"}));
}

}  // namespace
// A block the clipboard refuses is reported, so a copy is never passed off as done.
TEST(ClipboardBlocks, ARefusedBlockIsReportedAndAnAcceptedOneKept) {
    EXPECT_EQ(PutBlock(CF_TEXT, std::string_view("refused", 8)), TBlockOutcome::Refused);
    HWND owner = CreateClipboardOwner();
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    EXPECT_EQ(PutBlock(CF_TEXT, std::string_view("kept", 5)), TBlockOutcome::Put);
    CloseClipboard();
    DestroyWindow(owner);
    EXPECT_EQ(Win32Clipboard().GetText(), "kept");
}

TEST(ClipboardBlocks, ACopyWhileAnotherWindowHoldsTheClipboardRaises) {
    HWND other = CreateClipboardOwner();
    ASSERT_TRUE(OpenClipboard(other));
    Win32Clipboard clipboard;
    EXPECT_THROW(clipboard.SetText("text"), EClipboardException);
    CloseClipboard();
    DestroyWindow(other);
}

}  // namespace mirevo
