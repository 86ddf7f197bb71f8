#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/FakeClipboardFormats.h"
#include "textview/ClipboardBlock.h"
#include "textview/SelectionErrors.h"

namespace mirevo {
namespace {

using enum TSelectionMode;
using testing_support::FakeClipboardFormats;

TEST(ClipboardBlock, EncodesModeTextAndZero) {
    EXPECT_EQ(EncodeClipboardBlock(smNormal, "ab"), std::string("\0ab\0", 4));
    EXPECT_EQ(EncodeClipboardBlock(smLine, ""), std::string("\1\0", 2));
    EXPECT_EQ(EncodeClipboardBlock(smColumn, "x\r\ny").size(), 6u);
}

TEST(ClipboardBlock, DecodesWhatOthersMayPut) {
    const std::pair<std::string, TClipboardBlock> cases[] = {
        {std::string("\2ab\0", 4), {smColumn, "ab"}},
        {std::string("\1ab", 3), {smLine, "ab"}},       // no zero byte
        {std::string("\0a\0b\0", 5), {smNormal, "a"}},  // text ends at the zero
        {std::string("\x7F"
                     "ab\0",
                     4),
         {smNormal, "ab"}},  // unknown mode
        {std::string("\0", 1), {smNormal, ""}},
    };
    for (const auto& [bytes, block] : cases) EXPECT_EQ(DecodeClipboardBlock(bytes), block);
    EXPECT_FALSE(DecodeClipboardBlock("").has_value());
}

TEST(ClipboardBlock, CopyPutsBothFormats) {
    FakeClipboardFormats clipboard;
    CopyToClipboard(clipboard, smLine, "ab\r\n");
    EXPECT_EQ(clipboard.text, "ab\r\n");
    EXPECT_EQ(clipboard.privateData, std::string("\1ab\r\n\0", 6));
}

TEST(ClipboardBlock, CopyOfNothingLeavesTheClipboardAlone) {
    FakeClipboardFormats clipboard;
    clipboard.text = "before";
    CopyToClipboard(clipboard, smNormal, "");
    EXPECT_EQ(clipboard.puts, 0);
    EXPECT_EQ(clipboard.text, "before");
}

TEST(ClipboardBlock, RefusedCopyRaisesTheCopyError) {
    FakeClipboardFormats clipboard;
    clipboard.refusePut = true;
    try {
        CopyToClipboard(clipboard, smNormal, "a");
        FAIL() << "no exception";
    } catch (const ETextViewError& e) {
        EXPECT_EQ(e.Message(), "Clipboard copy operation failed");
    }
}

TEST(ClipboardBlock, SelectAllThenCopyPutsTheWholeText) {
    TLineStore lines;
    lines.SetText("ab\ncd");
    TSelection selection(lines);
    selection.SelectAll();
    FakeClipboardFormats clipboard;
    CopySelection(clipboard, selection);
    EXPECT_EQ(clipboard.text, "ab\r\ncd");
    EXPECT_EQ(clipboard.privateData, std::string("\0ab\r\ncd\0", 8));
}

TEST(ClipboardBlock, CopiedColumnsArePadded) {
    TLineStore lines;
    lines.SetText("abc\na\nabc");
    TSelection selection(lines);
    selection.SetSelectionMode(smColumn);
    selection.SetAnchor({2, 1});
    selection.SetActiveEnd({4, 3});
    FakeClipboardFormats clipboard;
    CopySelection(clipboard, selection);
    EXPECT_EQ(clipboard.text, "bc\r\n  \r\nbc");
    EXPECT_EQ(clipboard.privateData->front(), '\2');
}

TEST(ClipboardBlock, CanPasteNeedsWritableViewAndSomethingToPaste) {
    FakeClipboardFormats clipboard;
    EXPECT_FALSE(CanPaste(false, clipboard));
    clipboard.privateData = std::string("\0a\0", 3);
    EXPECT_TRUE(CanPaste(false, clipboard));
    EXPECT_FALSE(CanPaste(true, clipboard));
    clipboard.privateData.reset();
    clipboard.text = "a";
    EXPECT_TRUE(CanPaste(false, clipboard));
}

TEST(ClipboardBlock, PasteTakesTheModeFromTheBlock) {
    FakeClipboardFormats clipboard;
    clipboard.text = "plain";
    EXPECT_EQ(TextToPaste(clipboard, smLine), (TClipboardBlock{smLine, "plain"}));
    clipboard.privateData = std::string("\2blk\0", 5);
    EXPECT_EQ(TextToPaste(clipboard, smNormal), (TClipboardBlock{smColumn, "blk"}));
}

TEST(ClipboardBlock, UnreadableBlockRaisesThePasteError) {
    FakeClipboardFormats clipboard;
    clipboard.privateData = "";
    for (const bool unreadable : {false, true}) {
        clipboard.privateUnreadable = unreadable;
        try {
            TextToPaste(clipboard, smNormal);
            FAIL() << "no exception";
        } catch (const ETextViewError& e) {
            EXPECT_EQ(e.Message(), "Clipboard paste operation failed.");
        }
    }
}

}  // namespace
}  // namespace mirevo
