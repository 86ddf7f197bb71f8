#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "textview/SelectionEdit.h"

namespace mirevo {
namespace {

using enum TSelectionMode;

struct EditCase {
    const char* name;
    const char* text;
    TBufferCoord anchor;
    TBufferCoord active;
    TSelectionMode mode;
    const char* insert;
    const char* result;  // the store's text afterwards, lines joined by CR LF
    TBufferCoord caret;
};

class SelectionEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(SelectionEditTest, SplicesTheTextByMode) {
    const EditCase& c = GetParam();
    TLineStore lines;
    lines.SetText(c.text);
    TSelection selection(lines);
    selection.SetSelectionMode(c.mode);
    selection.SetAnchor(c.anchor);
    selection.SetActiveEnd(c.active);
    const TSelectionEdit edit = ReplaceSelectedText(lines, selection, c.insert);
    EXPECT_EQ(lines.Text(), c.result);
    EXPECT_EQ(edit.Caret, c.caret);
    EXPECT_EQ(selection.Anchor(), c.caret);
    EXPECT_FALSE(selection.HasSelection());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SelectionEditTest,
    ::testing::Values(
        EditCase{"InsertAtCaret", "abc", {2, 1}, {2, 1}, smNormal, "XY", "aXYbc", {4, 1}},
        EditCase{"ReplaceInLine", "abcdef", {2, 1}, {5, 1}, smNormal, "X", "aXef", {3, 1}},
        EditCase{"DeleteAcrossLines", "abc\ndef\nghi", {2, 1}, {3, 3}, smNormal, "", "ai", {2, 1}},
        EditCase{"InsertLines",
                 "abc",
                 {2, 1},
                 {2, 1},
                 smNormal,
                 "1\r\n2\r\n3",
                 "a1\r\n2\r\n3bc",
                 {2, 3}},
        EditCase{
            "InsertEndingWithBreak", "abc", {4, 1}, {4, 1}, smNormal, "x\n", "abcx\r\n", {1, 2}},
        EditCase{"IntoEmptyStore", "", {1, 1}, {1, 1}, smNormal, "hi", "hi", {3, 1}},
        EditCase{"WholeLineOfEmptyStore", "", {1, 1}, {3, 1}, smLine, "", "", {1, 1}},
        EditCase{"DeleteWholeLines", "a\nb\nc", {1, 2}, {1, 3}, smLine, "", "a", {1, 1}},
        EditCase{"ReplaceWholeLines", "a\nb\nc", {1, 1}, {1, 2}, smLine, "x\r\n", "x\r\nc", {1, 2}},
        EditCase{"DeleteColumns", "abcd\nefgh", {2, 1}, {4, 2}, smColumn, "", "ad\r\neh", {2, 1}},
        EditCase{"InsertColumnsPadding",
                 "abcd\ne",
                 {3, 1},
                 {3, 1},
                 smColumn,
                 "X\r\nY\r\nZ",
                 "abXcd\r\ne Y\r\n  Z",
                 {4, 3}},
        EditCase{"ColumnsKeepCutDoubleBytes",
                 "aあb\nabcd",
                 {3, 1},
                 {4, 2},
                 smColumn,
                 "",
                 "aあb\r\nabd",
                 {2, 1}}),  // off the kept character's second byte
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionEdit, RecordsTheDeletedAndTheInsertedText) {
    TLineStore lines;
    lines.SetText("abc\ndef");
    TSelection selection(lines);
    selection.SetAnchor({3, 2});
    selection.SetActiveEnd({2, 1});
    const TSelectionEdit edit = ReplaceSelectedText(lines, selection, "XY");
    ASSERT_TRUE(edit.DeleteRecord.has_value());
    EXPECT_EQ(edit.DeleteRecord->Kind, TChangeKind::ChangeDelete);
    EXPECT_EQ(edit.DeleteRecord->RangeStart, (TBufferCoord{2, 1}));
    EXPECT_EQ(edit.DeleteRecord->RangeEnd, (TBufferCoord{3, 2}));
    EXPECT_EQ(edit.DeleteRecord->SavedText, "bc\r\nde");
    ASSERT_EQ(edit.InsertRecords.size(), 1u);
    EXPECT_EQ(edit.InsertRecords[0].Kind, TChangeKind::ChangeInsert);
    EXPECT_EQ(edit.InsertRecords[0].RangeStart, (TBufferCoord{2, 1}));
    EXPECT_EQ(edit.InsertRecords[0].RangeEnd, (TBufferCoord{4, 1}));
}

TEST(SelectionEdit, NothingRecordedForNothing) {
    TLineStore lines;
    lines.SetText("abc");
    TSelection selection(lines);
    const TSelectionEdit edit = ReplaceSelectedText(lines, selection, "");
    EXPECT_FALSE(edit.DeleteRecord.has_value());
    EXPECT_TRUE(edit.InsertRecords.empty());
    EXPECT_EQ(lines.Text(), "abc");
}

// A column block is recorded line by line where it really went in: padding included,
// before a character its column cuts, and the lines it appended as line breaks, first.
TEST(SelectionEdit, ColumnInsertionsAreRecordedLineByLine) {
    struct Case {
        const char* Name;
        std::string Text;
        TBufferCoord At;
        std::string Inserted;
        std::string Changed;
        // kind, start and end of each record after the caret's ('B' a line break, 'I' an
        // insertion)
        std::vector<std::tuple<char, TBufferCoord, TBufferCoord>> Records;
    };
    const std::vector<Case> cases = {
        {"one line", "ab", {2, 1}, "x", "axb", {{'I', {2, 1}, {3, 1}}}},
        {"two lines",
         "ab\ncd",
         {3, 1},
         "XY\r\nZ",
         "abXY\r\ncdZ",
         {{'I', {3, 1}, {5, 1}}, {'I', {3, 2}, {4, 2}}}},
        {"padded and appended",
         "a\nb",
         {4, 1},
         "x\r\ny\r\nz",
         "a  x\r\nb  y\r\n   z",
         {{'B', {2, 2}, {2, 2}},
          {'I', {2, 1}, {5, 1}},
          {'I', {2, 2}, {5, 2}},
          {'I', {1, 3}, {5, 3}}}},
        {"cut character",
         "abcd\n\x82\xA0\x82\xA2",
         {2, 1},
         "X\r\nY",
         "aXbcd\r\nY\x82\xA0\x82\xA2",
         {{'I', {2, 1}, {3, 1}}, {'I', {1, 2}, {2, 2}}}},
        {"empty store",
         "",
         {1, 1},
         "X\r\n\r\nY",
         "X\r\n\r\nY",
         {{'B', {1, 1}, {1, 1}},
          {'B', {1, 2}, {1, 2}},
          {'I', {1, 1}, {2, 1}},
          {'I', {1, 3}, {2, 3}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TLineStore lines;
        lines.SetText(c.Text);
        TSelection selection(lines);
        selection.SetSelectionMode(smColumn);
        selection.SetLimits({.ScrollPastEol = true});
        selection.SetEnds(c.At, c.At);
        const TSelectionEdit edit = ReplaceSelectedText(lines, selection, c.Inserted);
        EXPECT_EQ(lines.Text(), c.Changed);
        ASSERT_EQ(edit.InsertRecords.size(), c.Records.size() + 1);
        EXPECT_EQ(edit.InsertRecords[0].Kind, TChangeKind::ChangeCaret);
        EXPECT_EQ(edit.InsertRecords[0].RangeStart, c.At);
        for (std::size_t i = 0; i < c.Records.size(); ++i) {
            const auto& [kind, start, end] = c.Records[i];
            const TUndoItem& record = edit.InsertRecords[i + 1];
            EXPECT_EQ(record.Kind,
                      kind == 'B' ? TChangeKind::ChangeLineBreak : TChangeKind::ChangeInsert)
                << i;
            EXPECT_EQ(record.RangeStart, start) << i;
            EXPECT_EQ(record.RangeEnd, end) << i;
            EXPECT_EQ(record.SelectionModeAtChange, smNormal) << i;
        }
    }
}

TEST(SelectionEdit, OneStoreUpdateForTheWholeEdit) {
    TLineStore lines;
    lines.SetText("abc\ndef\nghi");
    int changes = 0;
    lines.OnChange = [&](TLineStore&) { ++changes; };
    TSelection selection(lines);
    selection.SetAnchor({2, 1});
    selection.SetActiveEnd({2, 3});
    ReplaceSelectedText(lines, selection, "1\r\n2");
    EXPECT_EQ(changes, 1);
}

// A change handler that throws at the end of the update reaches the caller (it used to end
// the program), with the edit made and the update ended, for the stream and the column forms.
TEST(SelectionEdit, AFailingChangeHandlerReachesTheCallerAfterTheEdit) {
    for (const TSelectionMode mode : {smNormal, smColumn}) {
        SCOPED_TRACE(static_cast<int>(mode));
        TLineStore lines;
        lines.SetText("abc\ndef");
        TSelection selection(lines);
        selection.SetSelectionMode(mode);
        selection.SetAnchor({2, 1});
        selection.SetActiveEnd({3, 2});
        lines.OnChange = [](TLineStore&) { throw std::runtime_error("change"); };
        EXPECT_THROW(ReplaceSelectedText(lines, selection, "x"), std::runtime_error);
        lines.OnChange = nullptr;
        EXPECT_EQ(lines.Get(0).substr(0, 2), "ax");
        int changes = 0;
        lines.OnChange = [&](TLineStore&) { ++changes; };
        lines.Put(0, "z");
        EXPECT_EQ(changes, 1) << "the update was left open";
    }
}

}  // namespace
}  // namespace mirevo
