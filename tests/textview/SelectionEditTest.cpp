#include <gtest/gtest.h>

#include <string>

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
    ASSERT_TRUE(edit.InsertRecord.has_value());
    EXPECT_EQ(edit.InsertRecord->Kind, TChangeKind::ChangeInsert);
    EXPECT_EQ(edit.InsertRecord->RangeStart, (TBufferCoord{2, 1}));
    EXPECT_EQ(edit.InsertRecord->RangeEnd, (TBufferCoord{4, 1}));
}

TEST(SelectionEdit, NothingRecordedForNothing) {
    TLineStore lines;
    lines.SetText("abc");
    TSelection selection(lines);
    const TSelectionEdit edit = ReplaceSelectedText(lines, selection, "");
    EXPECT_FALSE(edit.DeleteRecord.has_value());
    EXPECT_FALSE(edit.InsertRecord.has_value());
    EXPECT_EQ(lines.Text(), "abc");
}

TEST(SelectionEdit, ColumnInsertionsRecordNoInsertion) {
    TLineStore lines;
    lines.SetText("ab");
    TSelection selection(lines);
    selection.SetSelectionMode(smColumn);
    EXPECT_FALSE(ReplaceSelectedText(lines, selection, "x").InsertRecord.has_value());
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

}  // namespace
}  // namespace mirevo
