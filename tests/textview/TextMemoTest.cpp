// TTextMemo's edit-control messages carried out on a real view: selection by offsets,
// lines, the modified flag, replacing the selection and undo.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/textview/TextViewFixture.h"
#include "textview/MemoMessages.h"
#include "textview/TextMemo.h"

namespace mirevo {
namespace {

using testing_support::TextViewFixture;

class TextMemoTest : public TextViewFixture {
protected:
    TextMemoTest() : memo_(nullptr, "TextMemo1", manager_, charTypes_) {
        memo_.SetFont(MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset));
        memo_.AttachWindow(&window_);
    }
    ~TextMemoTest() override { memo_.AttachWindow(nullptr); }

    std::intptr_t Send(TMemoMessage message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        const auto answer = memo_.MemoMessage(static_cast<std::uint32_t>(message), wParam, lParam);
        EXPECT_TRUE(answer.has_value());
        return answer.value_or(-1);
    }
    template <typename T>
    static std::intptr_t Address(T* p) {
        return reinterpret_cast<std::intptr_t>(p);
    }

    TTextMemo memo_;
};

TEST_F(TextMemoTest, SelectionOffsetsCountEveryBreakAsTwoBytes) {
    EXPECT_EQ(Send(TMemoMessage::GetLineCount), 0);
    EXPECT_EQ(Send(TMemoMessage::GetSel), 0);
    memo_.SetText("ab\r\ncd");
    memo_.SetCaretXY({2, 2});
    std::int32_t start = -1;
    std::int32_t end = -1;
    EXPECT_EQ(
        Send(TMemoMessage::GetSel, static_cast<std::uintptr_t>(Address(&start)), Address(&end)),
        5 | (5 << 16));
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);

    struct Case {
        std::int32_t Start;
        std::int32_t End;
        const char* Selected;
        TBufferCoord Caret;
    };
    const std::vector<Case> cases = {
        {1, 3, "b", {2, 1}},  // an end on the CR is clamped to the line's end
        {3, 1, "b", {4, 1}},  // the caret stays at the start offset (on the CR)
        {0, -1, "", {1, 1}},  // -1 maps into the first line, not to the text's end
        {4, 100, "cd", {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Start) + "," + std::to_string(c.End));
        Send(TMemoMessage::SetSel, static_cast<std::uintptr_t>(c.Start), c.End);
        EXPECT_EQ(memo_.SelectedText(), c.Selected);
        EXPECT_EQ(memo_.CaretXY(), c.Caret);
    }
}

TEST_F(TextMemoTest, GetLineNeverWritesAtOrPastTheCallersSize) {
    memo_.SetText("abc\r\nx");
    struct Case {
        std::int32_t Line;
        std::uint16_t Size;
        std::intptr_t Copied;
        std::string Buffer;  // the first Size + 1 bytes afterwards
    };
    const std::vector<Case> cases = {
        {0, 2, 2, std::string("ab#")},
        {0, 10, 3, std::string("abc\0#######", 11)},
        {1, 1, 1, std::string("x\0", 2)},  // the size word's second byte stays
        {2, 10, 0, std::string("\x0A\0#########", 11)},
        {-1, 10, 0, std::string("\x0A\0#########", 11)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        std::vector<char> buffer(32, '#');
        std::memcpy(buffer.data(), &c.Size, sizeof c.Size);
        EXPECT_EQ(Send(TMemoMessage::GetLine, static_cast<std::uintptr_t>(c.Line),
                       Address(buffer.data())),
                  c.Copied);
        EXPECT_EQ(std::string(buffer.data(), c.Size + 1u), c.Buffer);
    }
}

TEST_F(TextMemoTest, SelectedTextModifiedFlagAndFirstVisibleLine) {
    memo_.SetText("abc\r\ndef");
    EXPECT_EQ(Send(TMemoMessage::GetSelText), 0);  // no buffer: nothing
    Send(TMemoMessage::SetSel, 2, 6);
    char buffer[16] = {};
    EXPECT_EQ(Send(TMemoMessage::GetSelText, 0, Address(buffer)), 4);
    EXPECT_STREQ(buffer, "c\r\nd");
    EXPECT_EQ(Send(TMemoMessage::GetModify), 0);
    Send(TMemoMessage::SetModify, 1);
    EXPECT_TRUE(memo_.Modified());
    EXPECT_EQ(Send(TMemoMessage::GetModify), 1);
    EXPECT_EQ(Send(TMemoMessage::GetFirstVisibleLine), 0);
    // Row 2, one cell in: line 1 (from 0), offset 5 + 1 - 1.
    const std::int32_t x = memo_.TextOffset() + memo_.CharWidth();
    const std::int32_t y = memo_.LineHeight() + 1;
    EXPECT_EQ(Send(TMemoMessage::CharFromPos, 0, (y << 16) | x), 6 | (1 << 16));
}

TEST_F(TextMemoTest, ReplaceSelIsOneUndoStepAndIgnoredWhenReadOnly) {
    memo_.SetText("hello world");
    Send(TMemoMessage::SetSel, 6, 11);
    Send(TMemoMessage::ReplaceSel, 1, Address("there"));
    EXPECT_EQ(memo_.Text(), "hello there");
    EXPECT_TRUE(memo_.Modified());
    EXPECT_EQ(Send(TMemoMessage::CanUndo), 1);
    EXPECT_EQ(memo_.UndoList().NewestKind(), TChangeKind::ChangePaste);

    memo_.SetReadOnly(true);
    Send(TMemoMessage::ReplaceSel, 1, Address("again"));
    EXPECT_EQ(memo_.Text(), "hello there");
    EXPECT_EQ(Send(TMemoMessage::CanUndo), 0);
    EXPECT_EQ(Send(TMemoMessage::Undo), 0);
    EXPECT_EQ(memo_.Text(), "hello there");
    EXPECT_FALSE(memo_.MemoMessage(0x000C, 0, 0).has_value());  // not a memo message
}

}  // namespace
}  // namespace mirevo
