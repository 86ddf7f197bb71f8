// The text-changing commands of a writable view: what each does to the text and the caret,
// that one undo takes it back and one redo makes it again, and that a read-only view
// refuses every one of them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing_support::TextViewFixture;

class TextViewEditingTest : public TextViewFixture {
protected:
    TextViewEditingTest() { view_->SetTabWidth(2); }

    void Select(TBufferCoord anchor, TBufferCoord active) {
        view_->SetCaretAndSelection(active, anchor, active);
    }
};

struct Selected {
    TBufferCoord Anchor;
    TBufferCoord Active;
};

struct EditCase {
    const char* Name;
    std::string Text;
    TBufferCoord Caret;
    std::optional<Selected> Selection;
    TEditorCommand Command;
    char Character;
    std::string Expected;
    TBufferCoord ExpectedCaret;
    bool Overwrite = false;
    const char* Data = nullptr;
};

// あ is "\x82\xA0", い is "\x82\xA2"; the trail byte of "\x82\x61" (Ｂ) reads as "a".
const std::vector<EditCase>& EditCases() {
    static const std::vector<EditCase> cases = {
        {"backspace", "abc", {3, 1}, {}, ecDeleteLastChar, 0, "ac", {2, 1}},
        {"backspace in the indent goes back to the indent above",
         "  a\r\n\r\n      b",
         {7, 3},
         {},
         ecDeleteLastChar,
         0,
         "  a\r\n\r\n  b",
         {3, 3}},
        {"backspace in the first line's indent goes to its start",
         "    b",
         {5, 1},
         {},
         ecDeleteLastChar,
         0,
         "b",
         {1, 1}},
        {"backspace double-byte",
         "a\x82\xA0"
         "b",
         {4, 1},
         {},
         ecDeleteLastChar,
         0,
         "ab",
         {2, 1}},
        {"backspace joins lines", "ab\r\ncd", {1, 2}, {}, ecDeleteLastChar, 0, "abcd", {3, 1}},
        {"backspace selection",
         "abcd",
         {},
         Selected{{4, 1}, {2, 1}},
         ecDeleteLastChar,
         0,
         "ad",
         {2, 1}},
        {"delete", "abc", {2, 1}, {}, ecDeleteChar, 0, "ac", {2, 1}},
        {"delete double-byte", "\x82\xA0\x82\xA2", {1, 1}, {}, ecDeleteChar, 0, "\x82\xA2", {1, 1}},
        {"delete joins lines", "ab\r\ncd", {3, 1}, {}, ecDeleteChar, 0, "abcd", {3, 1}},
        {"delete word", "foo bar baz", {1, 1}, {}, ecDeleteWord, 0, "bar baz", {1, 1}},
        {"delete word at end joins", "ab\r\ncd", {3, 1}, {}, ecDeleteWord, 0, "abcd", {3, 1}},
        {"delete last word", "foo bar", {8, 1}, {}, ecDeleteLastWord, 0, "foo ", {5, 1}},
        {"delete to line start", "abcdef", {4, 1}, {}, ecDeleteBOL, 0, "def", {1, 1}},
        {"delete to line end", "abcdef", {4, 1}, {}, ecDeleteEOL, 0, "abc", {4, 1}},
        {"delete last word joins lines",
         "ab\r\ncd",
         {1, 2},
         {},
         ecDeleteLastWord,
         0,
         "abcd",
         {3, 1}},
        {"delete line", "a\r\nb\r\nc", {1, 2}, {}, ecDeleteLine, 0, "a\r\nc", {1, 2}},
        {"delete last line", "a\r\nbc", {2, 2}, {}, ecDeleteLine, 0, "a", {1, 1}},
        {"line break keeps indent", "  ab", {4, 1}, {}, ecLineBreak, '\r', "  a\r\n  b", {3, 2}},
        {"line break in Japanese",
         "\x82\xA0\x82\xA2",
         {3, 1},
         {},
         ecLineBreak,
         '\r',
         "\x82\xA0\r\n\x82\xA2",
         {1, 2}},
        {"line break replaces selection",
         "abcd",
         {},
         Selected{{2, 1}, {4, 1}},
         ecLineBreak,
         '\r',
         "a\r\nd",
         {1, 2}},
        {"insert line", "ab", {2, 1}, {}, ecInsertLine, 0, "a\r\nb", {2, 1}},
        {"typed character", "ac", {2, 1}, {}, ecChar, 'b', "abc", {3, 1}},
        {"typed over selection", "axyc", {}, Selected{{2, 1}, {4, 1}}, ecChar, 'b', "abc", {3, 1}},
        {"typed behind the line end", "a", {3, 1}, {}, ecChar, 'b', "a b", {4, 1}},
        {"overwrite", "abc", {2, 1}, {}, ecChar, 'x', "axc", {3, 1}, true},
        {"overwrite double-byte",
         "a\x82\xA0"
         "c",
         {2, 1},
         {},
         ecChar,
         'x',
         "axc",
         {3, 1},
         true},
        {"overwrite at line end", "ab", {3, 1}, {}, ecChar, 'c', "abc", {4, 1}, true},
        {"input-method string",
         "ac",
         {2, 1},
         {},
         ecImeStr,
         0,
         "a\x82\xA0"
         "c",
         {4, 1},
         false,
         "\x82\xA0"},
        {"tab as blanks", "ab", {1, 1}, {}, ecTab, 0, "  ab", {3, 1}},
        {"smart tab", "abc  def\r\nx", {2, 2}, {}, ecTab, 0, "abc  def\r\nx    ", {6, 2}},
        {"block indent",
         "a\r\nb",
         {},
         Selected{{1, 1}, {2, 2}},
         ecBlockIndent,
         0,
         "  a\r\n  b",
         {4, 2}},
        {"block indent skips the line the selection ends on",
         "a\r\nb",
         {},
         Selected{{1, 1}, {1, 2}},
         ecBlockIndent,
         0,
         "  a\r\nb",
         {1, 2}},
        {"block unindent",
         "  a\r\n b",
         {},
         Selected{{1, 1}, {3, 2}},
         ecBlockUnindent,
         0,
         "a\r\nb",
         {2, 2}},
        {"shift tab", "    ab", {5, 1}, {}, ecShiftTab, 0, "  ab", {3, 1}},
        {"upper case word", "foo bar", {2, 1}, {}, ecUpperCase, 0, "FOO bar", {2, 1}},
        {"lower case selection",
         "ABC DEF",
         {},
         Selected{{1, 1}, {6, 1}},
         ecLowerCase,
         0,
         "abc dEF",
         {6, 1}},
        {"toggle case word", "aBc", {1, 1}, {}, ecToggleCase, 0, "AbC", {1, 1}},
        {"title case selection",
         "hello WORLD",
         {},
         Selected{{1, 1}, {12, 1}},
         ecTitleCase,
         0,
         "Hello World",
         {12, 1}},
        {"upper case block",
         "ab\r\ncd",
         {},
         Selected{{2, 1}, {2, 2}},
         ecUpperCaseBlock,
         0,
         "aB\r\nCd",
         {2, 2}},
        {"case leaves double-byte characters",
         "\x82\x61"
         "a",
         {},
         Selected{{1, 1}, {4, 1}},
         ecUpperCaseBlock,
         0,
         "\x82\x61"
         "A",
         {4, 1}},
        {"toggle case block",
         "Ab",
         {},
         Selected{{1, 1}, {3, 1}},
         ecToggleCaseBlock,
         0,
         "aB",
         {3, 1}},
        {"lower case block", "AB", {}, Selected{{3, 1}, {1, 1}}, ecLowerCaseBlock, 0, "ab", {1, 1}},
    };
    return cases;
}

TEST_F(TextViewEditingTest, EachCommandChangesTheTextAndUndoAndRedoFollow) {
    for (const EditCase& c : EditCases()) {
        SCOPED_TRACE(c.Name);
        view_->SetText(c.Text);
        view_->SetInsertMode(!c.Overwrite);
        view_->SetCaretXY(c.Caret);
        if (c.Selection) Select(c.Selection->Anchor, c.Selection->Active);
        const TBufferCoord caretBefore = view_->CaretXY();
        view_->ProcessCommand(c.Command, c.Character, const_cast<char*>(c.Data));
        EXPECT_EQ(view_->Text(), c.Expected);
        EXPECT_EQ(view_->CaretXY(), c.ExpectedCaret);
        EXPECT_TRUE(view_->Modified());

        view_->ProcessCommand(ecUndo, 0, nullptr);
        EXPECT_EQ(view_->Text(), c.Text) << "undone";
        EXPECT_FALSE(view_->Modified()) << "undone";
        if (!c.Selection) {
            EXPECT_EQ(view_->CaretXY(), caretBefore) << "undone";
        }
        view_->ProcessCommand(ecRedo, 0, nullptr);
        EXPECT_EQ(view_->Text(), c.Expected) << "redone";
        if (!c.Selection && !c.Overwrite) {
            EXPECT_EQ(view_->CaretXY(), c.ExpectedCaret) << "redone";
        }
        EXPECT_TRUE(view_->Modified()) << "redone";
    }
}

TEST_F(TextViewEditingTest, LinePartsAtTheLineEdgesDeleteNothing) {
    const std::vector<std::pair<TEditorCommand, TBufferCoord>> cases = {{ecDeleteBOL, {1, 2}},
                                                                        {ecDeleteEOL, {3, 1}},
                                                                        {ecDeleteLastChar, {1, 1}},
                                                                        {ecDeleteChar, {3, 2}}};
    for (const auto& [command, caret] : cases) {
        view_->SetText("ab\r\ncd");
        view_->SetCaretXY(caret);
        view_->ProcessCommand(command, 0, nullptr);
        EXPECT_EQ(view_->Text(), "ab\r\ncd") << command;
        EXPECT_FALSE(view_->CanUndo()) << command;
    }
}

TEST_F(TextViewEditingTest, UndoOfADeletedSelectionSelectsItAgain) {
    view_->SetText("abcd");
    Select({2, 1}, {4, 1});
    view_->ProcessCommand(ecDeleteChar, 0, nullptr);
    view_->ProcessCommand(ecUndo, 0, nullptr);
    EXPECT_EQ(view_->SelectedText(), "bc");
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{4, 1}));
}

TEST_F(TextViewEditingTest, CaseChangesAndLineDeletionsUndoToTheSameCaretAndSelection) {
    const std::vector<TEditorCommand> commands = {ecUpperCase, ecToggleCaseBlock, ecDeleteLine,
                                                  ecBlockIndent, ecBlockUnindent};
    for (const TEditorCommand command : commands) {
        SCOPED_TRACE(command);
        view_->SetText("  ab cd\r\n  ef");
        Select({6, 2}, {4, 1});  // active end before the anchor
        view_->ProcessCommand(command, 0, nullptr);
        ASSERT_NE(view_->Text(), "  ab cd\r\n  ef");
        view_->ProcessCommand(ecUndo, 0, nullptr);
        EXPECT_EQ(view_->Text(), "  ab cd\r\n  ef");
        EXPECT_EQ(view_->SelectionFirst(), (TBufferCoord{4, 1}));
        EXPECT_EQ(view_->SelectionLast(), (TBufferCoord{6, 2}));
    }
}

TEST_F(TextViewEditingTest, ALeadAndATrailByteTypedAsTwoCharactersGoInAsOne) {
    view_->SetText("ab");
    view_->SetCaretXY({2, 1});
    view_->ProcessCommand(ecChar, '\x82', nullptr);
    EXPECT_EQ(view_->Text(), "ab");  // the lead byte waits for its trail byte
    view_->ProcessCommand(ecChar, '\xA0', nullptr);
    EXPECT_EQ(view_->Text(),
              "a\x82\xA0"
              "b");
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{4, 1}));
    view_->ProcessCommand(ecUndo, 0, nullptr);
    EXPECT_EQ(view_->Text(), "ab");

    // A lead byte without a trail byte is dropped rather than inserted alone.
    view_->ProcessCommand(ecChar, '\x82', nullptr);
    view_->ProcessCommand(ecDeleteChar, 0, nullptr);
    view_->ProcessCommand(ecChar, 'x', nullptr);
    EXPECT_EQ(view_->Text(), "ax");
    // So is one followed by a caret move: "y" may be a trail byte, but not of that lead.
    view_->ProcessCommand(ecChar, '\x82', nullptr);
    view_->ProcessCommand(ecLeft, 0, nullptr);
    view_->ProcessCommand(ecChar, 'y', nullptr);
    EXPECT_EQ(view_->Text(), "ayx");
}

TEST_F(TextViewEditingTest, LinesAddedAndRemovedMoveTheMarksBelowAndUndoMovesThemBack) {
    view_->SetText("a\r\nb\r\nc");
    view_->SetBookMark(0, 1, 3);
    view_->SetCaretXY({2, 1});
    const std::vector<std::pair<TEditorCommand, std::int32_t>> steps = {
        {ecLineBreak, 4}, {ecUndo, 3},      {ecDeleteLine, 2},     {ecUndo, 3},
        {ecDown, 3},      {ecLineStart, 3}, {ecDeleteLastChar, 2}, {ecUndo, 3}};
    for (const auto& [command, line] : steps) {
        view_->ProcessCommand(command, '\r', nullptr);
        EXPECT_EQ(view_->GetBookMark(0), (TBufferCoord{1, line})) << "after " << command;
    }
}

TEST_F(TextViewEditingTest, AReadOnlyViewRefusesEveryTextChangingCommand) {
    const std::vector<TEditorCommand> commands = {ecDeleteLastChar,
                                                  ecDeleteChar,
                                                  ecDeleteWord,
                                                  ecDeleteLastWord,
                                                  ecDeleteBOL,
                                                  ecDeleteEOL,
                                                  ecDeleteLine,
                                                  ecClearAll,
                                                  ecLineBreak,
                                                  ecInsertLine,
                                                  ecChar,
                                                  ecImeStr,
                                                  ecUndo,
                                                  ecRedo,
                                                  ecCut,
                                                  ecPaste,
                                                  ecBlockIndent,
                                                  ecBlockUnindent,
                                                  ecTab,
                                                  ecShiftTab,
                                                  ecUpperCase,
                                                  ecLowerCase,
                                                  ecToggleCase,
                                                  ecTitleCase,
                                                  ecUpperCaseBlock,
                                                  ecLowerCaseBlock,
                                                  ecToggleCaseBlock};
    testing_support::FakeClipboardFormats clipboard;
    clipboard.text = "pasted";
    view_->SetClipboard(&clipboard);
    char ime[] = "\x82\xA0";
    for (const TEditorCommand command : commands) {
        SCOPED_TRACE(command);
        view_->SetReadOnly(false);
        view_->SetText("  ab\r\n  cd");
        view_->SetCaretXY({4, 1});
        view_->ProcessCommand(ecChar, 'y', nullptr);  // something to undo
        view_->ProcessCommand(ecRight, 0, nullptr);
        view_->ProcessCommand(ecChar, 'x', nullptr);  // and something to redo
        view_->ProcessCommand(ecUndo, 0, nullptr);
        Select({2, 1}, {3, 2});
        view_->SetReadOnly(true);
        const std::int32_t undoCount = view_->UndoList().Count();
        view_->ProcessCommand(command, 'z', command == ecImeStr ? ime : nullptr);
        EXPECT_EQ(view_->Text(), "  ayb\r\n  cd");
        EXPECT_EQ(view_->UndoList().Count(), undoCount);
    }
}

TEST_F(TextViewEditingTest, DeletedBlocksLeaveTheCaretOnTheTextAndUndoBringsEveryLineBack) {
    // A column block cutting "あ" in two keeps the character; the caret goes to its start.
    view_->SetText("\x82\xA0z\r\nab");
    view_->SetSelectionMode(TSelectionMode::smColumn);
    view_->SetCaretAndSelection({3, 2}, {2, 1}, {3, 2});
    view_->ProcessCommand(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(view_->Text(), "\x82\xA0z\r\na");
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{1, 1}));

    // Whole lines at the end of the text take the break before them; undo restores both.
    view_->SetText("a\r\nb\r\nc");
    view_->SetSelectionMode(TSelectionMode::smLine);
    view_->SetCaretAndSelection({1, 3}, {1, 2}, {1, 3});
    view_->ProcessCommand(ecDeleteChar, 0, nullptr);
    EXPECT_EQ(view_->Text(), "a");
    view_->ProcessCommand(ecUndo, 0, nullptr);
    EXPECT_EQ(view_->Text(), "a\r\nb\r\nc");
}

TEST_F(TextViewEditingTest, ColumnEditsNeverSplitADoubleByteCharacter) {
    // A column of spaces indented into the middle of "あ" goes in before it.
    view_->SetTabWidth(2);
    view_->SetText("x\x82\xA0\r\n\x82\xA0y");
    view_->SetSelectionMode(TSelectionMode::smColumn);
    view_->SetCaretAndSelection({4, 2}, {3, 1}, {4, 2});
    view_->ProcessCommand(ecBlockIndent, 0, nullptr);
    EXPECT_EQ(view_->Text(), "x  \x82\xA0\r\n\x82\xA0  y");
    view_->ProcessCommand(ecUndo, 0, nullptr);
    EXPECT_EQ(view_->Text(), "x\x82\xA0\r\n\x82\xA0y");

    // A column block pasted at a column inside "あ" on a later line goes in before it.
    view_->SetText("ab\r\n\x82\xA0");
    view_->SetCaretXY({2, 1});
    view_->SetSelectedText({});
    view_->SetActiveSelectionMode(TSelectionMode::smColumn);
    view_->SetSelectedText("1\r\n2");
    EXPECT_EQ(view_->Text(), "a1b\r\n2\x82\xA0");
}

TEST_F(TextViewEditingTest, UndoOfTextPutInPastTheLineEndTakesItsPaddingAway) {
    view_->SetText("ab");
    view_->SetCaretXY({5, 1});  // the view lets the caret pass the end
    ASSERT_EQ(view_->CaretXY(), (TBufferCoord{5, 1}));
    view_->SetSelectedText("x");
    EXPECT_EQ(view_->Text(), "ab  x");
    view_->ProcessCommand(ecUndo, 0, nullptr);
    EXPECT_EQ(view_->Text(), "ab");
}

}  // namespace
}  // namespace mirevo
