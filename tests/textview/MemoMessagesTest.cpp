#include <gtest/gtest.h>

#include <array>
#include <string>

#include "textview/MemoMessages.h"
#include "textview/MemoOffsets.h"

namespace mirevo {
namespace {

class MemoMessagesTest : public ::testing::Test {
protected:
    TLineStore lines_;
    TSelection selection_{lines_};
};

TEST_F(MemoMessagesTest, KnowsExactlyItsTwelveMessages) {
    int known = 0;
    for (std::uint32_t message = 0; message < 0x500; ++message) known += IsMemoMessage(message);
    EXPECT_EQ(known, 12);
    EXPECT_TRUE(IsMemoMessage(0x43E));
    EXPECT_FALSE(IsMemoMessage(0xBB));  // EM_LINEINDEX goes to the editor view
}

TEST_F(MemoMessagesTest, GetSelOnAnEmptyViewIsZero) {
    const TMemoSelRange range = MemoGetSel(lines_, selection_, {1, 1});
    EXPECT_EQ(range.Start, 0);
    EXPECT_EQ(range.End, 0);
    EXPECT_EQ(range.Packed(), 0);
    EXPECT_EQ(MemoGetLineCount(lines_), 0);
}

TEST_F(MemoMessagesTest, GetSelWithoutSelectionAnswersTheCaret) {
    lines_.SetText("ab\ncd");
    const TMemoSelRange range = MemoGetSel(lines_, selection_, {2, 2});
    EXPECT_EQ(range.Start, 5);
    EXPECT_EQ(range.End, 5);
    EXPECT_EQ(range.Packed(), 0x00050005);
}

TEST_F(MemoMessagesTest, SetSelInEitherOrderSelectsTheSameText) {
    lines_.SetText("abcdef");
    for (const auto& [start, end] : {std::pair{1, 3}, std::pair{3, 1}}) {
        const TBufferCoord caret = ApplyMemoSetSel(selection_, MemoSetSel(lines_, start, end));
        EXPECT_EQ(selection_.SelectedText(), "bc");
        EXPECT_EQ(PositionToOffset(lines_, caret), start);
        EXPECT_EQ(MemoGetSel(lines_, selection_, caret).Start, 1);
        EXPECT_EQ(MemoGetSel(lines_, selection_, caret).End, 3);
    }
}

TEST_F(MemoMessagesTest, SetSelToMinusOneStaysOnTheFirstLine) {
    lines_.SetText("abc\ndef");
    const TBufferCoord caret = ApplyMemoSetSel(selection_, MemoSetSel(lines_, 2, -1));
    EXPECT_EQ(selection_.SelectedText(), "ab");
    EXPECT_EQ(caret, (TBufferCoord{3, 1}));
}

TEST_F(MemoMessagesTest, SetSelOnABreakClampsToTheLineEnd) {
    lines_.SetText("abc\ndef");
    ApplyMemoSetSel(selection_, MemoSetSel(lines_, 4, 99));
    EXPECT_EQ(selection_.Anchor(), (TBufferCoord{4, 1}));
    EXPECT_EQ(selection_.SelectedText(), "\r\ndef");
}

struct GetLineCase {
    std::size_t size;
    std::int32_t index;
    std::int32_t answer;
    const char* buffer;  // its bytes afterwards; '#' is an untouched byte
};

TEST_F(MemoMessagesTest, GetLineNeverWritesAtOrPastTheSize) {
    lines_.SetText("abc\n\nx");
    const GetLineCase cases[] = {
        {2, 0, 2, "ab########"},  {10, 0, 3, "abc\0######"}, {3, 0, 3, "abc#######"},
        {0, 0, 0, "##########"},  {5, 1, 0, "\0#########"},  {5, 3, 0, "##########"},
        {5, -1, 0, "##########"},
    };
    for (const GetLineCase& c : cases) {
        std::array<char, 10> buffer;
        buffer.fill('#');
        EXPECT_EQ(MemoGetLine(lines_, c.index, std::span(buffer.data(), c.size)), c.answer);
        EXPECT_EQ(std::string(buffer.data(), buffer.size()), std::string(c.buffer, 10))
            << "size " << c.size << " line " << c.index;
    }
}

TEST_F(MemoMessagesTest, GetLineReadsTheSizeWord) {
    const std::array<unsigned char, 4> buffer{0x10, 0x01, 'x', 'y'};
    EXPECT_EQ(MemoLineBufferSize(buffer.data()), 0x0110);
}

TEST_F(MemoMessagesTest, UndoIsRefusedWhenReadOnly) {
    TUndoList undo;
    EXPECT_EQ(MemoCanUndo(false, undo), 0);
    undo.RecordChange(TChangeKind::ChangeInsert, {1, 1}, {2, 1}, "x", TSelectionMode::smNormal);
    EXPECT_EQ(MemoCanUndo(false, undo), 1);
    EXPECT_EQ(MemoCanUndo(true, undo), 0);
}

TEST_F(MemoMessagesTest, ReplaceSelIsIgnoredWhenReadOnly) {
    EXPECT_FALSE(MemoReplaceSel(true, selection_, 1, "x").has_value());
}

TEST_F(MemoMessagesTest, ReplaceSelRecordsTheDeletedSelection) {
    lines_.SetText("abc\ndef");
    selection_.SetAnchor({3, 2});
    selection_.SetActiveEnd({2, 1});
    const auto request = MemoReplaceSel(false, selection_, 1, "XY");
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->Text, "XY");
    EXPECT_TRUE(request->RecordDelete);
    EXPECT_TRUE(request->RecordPaste);
    EXPECT_EQ(request->First, (TBufferCoord{2, 1}));
    const TUndoItem& record = request->DeleteRecord;
    EXPECT_EQ(record.Kind, TChangeKind::ChangeDelete);
    EXPECT_EQ(record.RangeStart, (TBufferCoord{2, 1}));
    EXPECT_EQ(record.RangeEnd, (TBufferCoord{3, 2}));
    EXPECT_EQ(record.SavedText, "bc\r\nde");

    const TUndoItem paste = MemoPasteRecord({2, 1}, {4, 1});
    EXPECT_EQ(paste.Kind, TChangeKind::ChangePaste);
    EXPECT_EQ(paste.RangeEnd, (TBufferCoord{4, 1}));
    EXPECT_EQ(paste.SelectionModeAtChange, TSelectionMode::smNormal);
}

TEST_F(MemoMessagesTest, ReplaceSelWithoutUndoOrSelectionRecordsNothing) {
    lines_.SetText("abc");
    const auto request = MemoReplaceSel(false, selection_, 0, nullptr);
    ASSERT_TRUE(request.has_value());
    EXPECT_FALSE(request->RecordDelete);
    EXPECT_FALSE(request->RecordPaste);
    EXPECT_EQ(request->Text, "");
    EXPECT_FALSE(MemoReplaceSel(false, selection_, 1, "x")->RecordDelete);
}

struct CharFromPosCase {
    TBufferCoord pointed;
    std::int32_t offset;
    std::int32_t line;
};

TEST_F(MemoMessagesTest, CharFromPosMatchesGetSelOffsets) {
    lines_.SetText("ab\ncde");
    const CharFromPosCase cases[] = {
        {{1, 1}, 0, 0},  {{3, 1}, 2, 0}, {{9, 1}, 2, 0},  // clamped to the line end
        {{2, 2}, 5, 1},  {{5, 3}, 9, 2},                  // just below: the end of the text
        {{5, 5}, 13, 4},                                  // missing lines count as empty
    };
    for (const CharFromPosCase& c : cases) {
        EXPECT_EQ(MemoCharFromPos(lines_, c.pointed), MakeLong(c.offset, c.line))
            << c.pointed.CharIndex << "," << c.pointed.LineIndex;
    }
    EXPECT_EQ(MemoCharFromPos(lines_, {2, 2}), MakeLong(PositionToOffset(lines_, {2, 2}), 1));
}

TEST_F(MemoMessagesTest, CharFromPosPointIsTwoUnsignedHalves) {
    const TMemoPoint point = MemoUnpackPoint(static_cast<std::intptr_t>(0xFFFE0003u));
    EXPECT_EQ(point.X, 3);
    EXPECT_EQ(point.Y, 0xFFFE);
}

TEST_F(MemoMessagesTest, GetSelTextCopiesWithAZeroByte) {
    std::array<char, 6> buffer;
    buffer.fill('#');
    EXPECT_EQ(MemoGetSelText("abc", buffer.data()), 3);
    EXPECT_EQ(std::string(buffer.data(), 6), std::string("abc\0##", 6));
    EXPECT_EQ(MemoGetSelText("abc", nullptr), 0);
}

}  // namespace
}  // namespace mirevo
