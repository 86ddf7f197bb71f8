// Undo and redo of a writable view: every kind of item taken back and made again, grouped
// undo, brackets, the modified flag at the unmodified mark, and when the redo list goes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing_support::FakeClipboardFormats;
using testing_support::TextViewFixture;

class TextViewUndoTest : public TextViewFixture {
protected:
    TextViewUndoTest() {
        view_->OnChange = [this](TObject*) { ++changes_; };
        view_->SetClipboard(&clipboard_);
        view_->SetTabWidth(2);
    }

    void Run(TEditorCommand command, char character = 0) {
        view_->ProcessCommand(command, character, nullptr);
    }
    void Type(std::string_view text) {
        for (const char c : text) Run(ecChar, c);
    }
    void Record(TChangeKind kind, TBufferCoord start, TBufferCoord end, std::string text = {}) {
        view_->UndoList().RecordChange(kind, start, end, text, TSelectionMode::smNormal);
    }

    int changes_ = 0;
    FakeClipboardFormats clipboard_;
};

struct KindCase {
    const char* Name;
    std::string Text;
    TBufferCoord Caret;
    // Makes the change (through a command, or by changing the text and recording the item
    // its command would have recorded).
    std::function<void(TCustomTextView&)> Change;
    std::string Changed;
    // After undo: the text is Text again, with this caret and selection.
    TBufferCoord UndoneCaret;
    TBufferCoord UndoneFirst;
    TBufferCoord UndoneLast;
};

void Command(TCustomTextView& view, TEditorCommand command, char character = 0) {
    view.ProcessCommand(command, character, nullptr);
}

void Recorded(TCustomTextView& view, std::string text, TChangeKind kind, TBufferCoord start,
              TBufferCoord end, std::string saved) {
    view.Lines().SetText(text);
    view.UndoList().RecordChange(kind, start, end, saved, TSelectionMode::smNormal);
}

// The caret and both block ends stand on whole characters.
void ExpectOffTrailBytes(const TCustomTextView& view, const char* when) {
    for (const TBufferCoord p : {view.CaretXY(), view.BlockBegin(), view.BlockEnd()}) {
        const std::string_view line = view.Lines().Get(p.LineIndex - 1);
        const auto index = static_cast<std::size_t>(p.CharIndex - 1);
        EXPECT_TRUE(index >= line.size() || ByteKindAt(line, index) != ByteKind::Trail)
            << when << " at " << p.CharIndex << "," << p.LineIndex;
    }
}

const std::vector<KindCase>& KindCases() {
    using K = TChangeKind;
    static const std::vector<KindCase> cases = {
        {"insert",
         "ac",
         {2, 1},
         [](auto& v) { Command(v, ecChar, 'b'); },
         "abc",
         {2, 1},
         {2, 1},
         {2, 1}},
        {"paste",
         "ac",
         {2, 1},
         [](auto& v) { Command(v, ecPaste); },
         "aPc",
         {2, 1},
         {2, 1},
         {2, 1}},
        {"drag-drop insert",
         "ac",
         {2, 1},
         [](auto& v) {
             Recorded(v, "aXc", K::ChangeDragDropInsert, {2, 1}, {3, 1}, "");
         },
         "aXc",
         {2, 1},
         {2, 1},
         {2, 1}},
        {"delete after caret",
         "abc",
         {2, 1},
         [](auto& v) { Command(v, ecDeleteChar); },
         "ac",
         {2, 1},
         {2, 1},
         {3, 1}},
        {"delete",
         "abc",
         {3, 1},
         [](auto& v) { Command(v, ecDeleteLastChar); },
         "ac",
         {3, 1},
         {2, 1},
         {3, 1}},
        {"line break",
         "abc",
         {2, 1},
         [](auto& v) { Command(v, ecLineBreak, '\r'); },
         "a\r\nbc",
         {2, 1},
         {2, 1},
         {2, 1}},
        {"indent",
         "a\r\nb",
         {1, 1},
         [](auto& v) {
             v.SetCaretAndSelection({2, 2}, {1, 1}, {2, 2});
             Command(v, ecBlockIndent);
         },
         "  a\r\n  b",
         {2, 2},
         {1, 1},
         {2, 2}},
        {"unindent",
         "  a\r\n  b",
         {1, 1},
         [](auto& v) {
             v.SetCaretAndSelection({4, 2}, {1, 1}, {4, 2});
             Command(v, ecBlockUnindent);
         },
         "a\r\nb",
         {1, 1},
         {1, 1},
         {4, 2}},
        {"unindent of less than a tab before a double-byte character",
         " \x82\xA0",
         {4, 1},
         [](auto& v) { Command(v, ecBlockUnindent); },
         "\x82\xA0",
         {4, 1},
         {4, 1},
         {4, 1}},
        {"column unindent of less than a tab before double-byte characters",
         "a \x82\xA0\x82\xA0",
         {1, 1},
         [](auto& v) {
             Command(v, ecColumnSelect);
             v.SetCaretAndSelection({5, 1}, {2, 1}, {5, 1});
             Command(v, ecBlockUnindent);
         },
         "a\x82\xA0\x82\xA0",
         {2, 1},
         {2, 1},
         {5, 1}},
        {"silent delete",
         "abc",
         {3, 1},
         [](auto& v) {
             Recorded(v, "ac", K::ChangeSilentDelete, {2, 1}, {3, 1}, "b");
         },
         "ac",
         {3, 1},
         {3, 1},
         {3, 1}},
        {"silent delete after caret and caret",
         "a\r\nb",
         {2, 2},
         [](auto& v) { Command(v, ecDeleteLine); },
         "a",
         {2, 2},
         {2, 2},
         {2, 2}},
        {"caret",
         "abc",
         {3, 1},
         [](auto& v) {
             v.UndoList().RecordChange(K::ChangeCaret, {2, 1}, {2, 1}, "",
                                       TSelectionMode::smNormal);
         },
         "abc",
         {2, 1},
         {3, 1},
         {3, 1}},
        {"selection and case",
         "abc",
         {1, 1},
         [](auto& v) {
             v.SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
             Command(v, ecUpperCase);
         },
         "ABc",
         {3, 1},
         {1, 1},
         {3, 1}},
        {"column case through a double-byte character",
         "a\x82\xA0\r\n12",
         {1, 1},
         [](auto& v) {
             // The right edge cuts "あ", and its line is the last one the case changes.
             Command(v, ecColumnSelect);
             v.SetCaretAndSelection({3, 2}, {1, 1}, {3, 2});
             Command(v, ecToggleCase);
         },
         "A\x82\xA0\r\n12",
         {3, 2},
         {1, 1},
         {3, 2}},
        {"delete all",
         "abc",
         {1, 1},
         [](auto& v) {
             Recorded(v, "", K::ChangeDeleteAll, {1, 1}, {4, 1}, "abc");
         },
         "",
         {1, 1},
         {1, 1},
         {1, 1}},
        {"prefix insert",
         "X",
         {1, 1},
         [](auto& v) {
             Recorded(v, "pX", K::ChangePrefixInsert, {1, 1}, {2, 1}, "");
         },
         "pX",
         {1, 1},
         {1, 1},
         {1, 1}},
    };
    return cases;
}

TEST_F(TextViewUndoTest, EveryKindIsUndoneAndRedone) {
    clipboard_.text = "P";
    for (const KindCase& c : KindCases()) {
        SCOPED_TRACE(c.Name);
        view_->SetSelectionMode(TSelectionMode::smNormal);
        view_->SetText(c.Text);
        view_->SetModified(false);
        view_->SetCaretXY(c.Caret);
        changes_ = 0;
        c.Change(*view_);
        ASSERT_EQ(view_->Text(), c.Changed);
        EXPECT_EQ(changes_, 1);
        EXPECT_EQ(view_->Modified(), c.Changed != c.Text || view_->UndoList().HasItems());

        Run(ecUndo);
        EXPECT_EQ(view_->Text(), c.Text) << "undone";
        EXPECT_EQ(view_->CaretXY(), c.UndoneCaret) << "undone";
        EXPECT_EQ(view_->SelectionFirst(), c.UndoneFirst) << "undone";
        EXPECT_EQ(view_->SelectionLast(), c.UndoneLast) << "undone";
        EXPECT_FALSE(view_->Modified()) << "undone";
        EXPECT_FALSE(view_->CanUndo()) << "undone";
        EXPECT_GT(changes_, 1) << "undone";
        ExpectOffTrailBytes(*view_, "undone");

        Run(ecRedo);
        EXPECT_EQ(view_->Text(), c.Changed) << "redone";
        ExpectOffTrailBytes(*view_, "redone");
        EXPECT_TRUE(view_->Modified()) << "redone";
        EXPECT_FALSE(view_->CanRedo()) << "redone";
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), c.Text) << "undone again";
    }
}

// A column paste is one step: undo takes every line's part back (padding and appended
// lines too) and leaves the caret where it stood, on a whole character.
TEST_F(TextViewUndoTest, ColumnPastesAreUndoneAndRedone) {
    struct Case {
        const char* Name;
        std::string Text;
        TBufferCoord Caret;
        TBufferCoord Anchor;  // a column block to replace, when it differs from Caret
        std::string Pasted;
        std::string Changed;
    };
    const std::vector<Case> cases = {
        {"two lines", "ab\r\ncd", {2, 1}, {2, 1}, "X\r\nY", "aXb\r\ncYd"},
        {"padded and appended", "a\r\nb", {4, 1}, {4, 1}, "X\r\nY\r\nZ", "a  X\r\nb  Y\r\n   Z"},
        {"cut character",
         "abcd\r\n\x82\xA0\x82\xA2",
         {2, 1},
         {2, 1},
         "X\r\nY",
         "aXbcd\r\nY\x82\xA0\x82\xA2"},
        {"after a double-byte character",
         "\x82\x61ZZ",
         {4, 1},
         {4, 1},
         "\x82\x61Z",
         "\x82\x61Z\x82\x61ZZ"},
        {"over a block", "abc\r\ndef", {3, 2}, {2, 1}, "X\r\nY", "aXc\r\ndYf"},
        {"into nothing", "", {1, 1}, {1, 1}, "X\r\n\r\nY", "X\r\n\r\nY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        view_->SetText(c.Text);
        Run(ecColumnSelect);
        view_->SetCaretAndSelection(c.Caret, c.Anchor, c.Caret);
        clipboard_.text = c.Pasted;
        Run(ecPaste);
        ASSERT_EQ(view_->Text(), c.Changed);
        for (int round = 0; round < 2; ++round) {
            Run(ecUndo);
            EXPECT_EQ(view_->Text(), c.Text) << "undone";
            EXPECT_EQ(view_->CaretXY(), c.Caret) << "undone";
            EXPECT_FALSE(view_->CanUndo()) << "undone";
            ExpectOffTrailBytes(*view_, "undone");
            Run(ecRedo);
            EXPECT_EQ(view_->Text(), c.Changed) << "redone";
            ExpectOffTrailBytes(*view_, "redone");
        }
        Run(ecNormalSelect);
    }
}

// A stream from behind the end of its first line: the rest of its last line joins the first
// line at its end, what is typed goes in there, and undo gives the lines back as they were.
TEST_F(TextViewUndoTest, StreamsFromPastALineEndComeBackWhole) {
    struct Case {
        TEditorCommand Command;
        char Character;
        std::string Changed;
    };
    clipboard_.text = "P";
    for (const Case& c : {Case{ecDeleteChar, 0, "_a"},
                          {ecChar, 'X', "X_a"},
                          {ecPaste, 0, "P_a"},
                          {ecLineBreak, '\r', "\r\n_a"},
                          {ecToggleCase, 0, "\r\nz\r\n_a"},
                          {ecLowerCaseBlock, 0, "\r\nz\r\n_a"}}) {
        SCOPED_TRACE(c.Changed);
        view_->SetText("\r\nZ\r\n_a");
        view_->SetCaretAndSelection({1, 3}, {8, 1}, {1, 3});
        Run(c.Command, c.Character);
        EXPECT_EQ(view_->Text(), c.Changed);
        while (view_->CanUndo()) Run(ecUndo);
        EXPECT_EQ(view_->Text(), "\r\nZ\r\n_a") << "undone";
        Run(ecRedo);
        EXPECT_EQ(view_->Text(), c.Changed) << "redone";
    }
}

// Whatever an undone or redone item records, the caret and the selection ends end up on
// whole characters: an item's positions may assume bytes the text no longer has.
TEST_F(TextViewUndoTest, ItemsRecordedInsideACharacterLeaveWholeCharacters) {
    for (const TChangeKind kind : {TChangeKind::ChangeCaret, TChangeKind::ChangeSelection}) {
        for (const TSelectionMode mode : {TSelectionMode::smNormal, TSelectionMode::smColumn}) {
            SCOPED_TRACE(static_cast<int>(kind) * 10 + static_cast<int>(mode));
            view_->SetText(
                "a\x82\xA0\x82\xA0"
                "b");
            view_->SetCaretXY({6, 1});
            view_->UndoList().RecordChange(kind, {3, 1}, {5, 1}, {}, mode);
            Run(ecUndo);
            ExpectOffTrailBytes(*view_, "undone");
            Run(ecRedo);
            ExpectOffTrailBytes(*view_, "redone");
        }
    }
}

// A paste behind the end of an empty text, which has no line yet, pads the line it makes;
// undoing every step takes the padding back too (it used to stay).
TEST_F(TextViewUndoTest, PaddingBehindALineEndIsUndoneWithItsStep) {
    struct Case {
        const char* Name;
        std::vector<TEditorCommand> Commands;
    };
    clipboard_.text = "a";
    for (const Case& c :
         {Case{"pasted", {ecPaste}}, Case{"pasted, word deleted", {ecPaste, ecLeft, ecDeleteWord}},
          Case{"pasted, character deleted", {ecPaste, ecLeft, ecDeleteChar}},
          Case{"pasted, backspaced", {ecPaste, ecDeleteLastChar}},
          Case{"pasted twice, word deleted", {ecPaste, ecPaste, ecLeft, ecLeft, ecDeleteWord}}}) {
        SCOPED_TRACE(c.Name);
        view_->SetText("");
        view_->SetCaretXY({4, 1});
        for (const TEditorCommand command : c.Commands) Run(command);
        while (view_->CanUndo()) Run(ecUndo);
        EXPECT_EQ(view_->Text(), "");
    }
}

TEST_F(TextViewUndoTest, DeletedColumnsAndLinesComeBackInTheirMode) {
    struct Case {
        TEditorCommand Mode;
        std::string Deleted;
        TBufferCoord UndoneCaret;
    };
    const std::vector<Case> cases = {{ecColumnSelect, "ac\r\ndf\r\nghi", {3, 2}},
                                     {ecLineSelect, "ghi", {3, 2}},
                                     {ecNormalSelect, "af\r\nghi", {3, 2}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Deleted);
        view_->SetText("abc\r\ndef\r\nghi");
        Run(c.Mode);
        view_->SetCaretXY({2, 1});
        view_->SetCaretAndSelection({3, 2}, {2, 1}, {3, 2});
        Run(ecDeleteChar);
        EXPECT_EQ(view_->Text(), c.Deleted);
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), "abc\r\ndef\r\nghi");
        EXPECT_EQ(view_->CaretXY(), c.UndoneCaret);
        EXPECT_EQ(view_->ActiveSelectionMode(), view_->SelectionMode());
        EXPECT_TRUE(view_->HasSelection());
        Run(ecRedo);
        EXPECT_EQ(view_->Text(), c.Deleted);
    }
}

// A column block keeps the double-byte characters its edges cut and leaves short lines as
// they are; undo gives back exactly what it took, where it took it (it used to put a blank
// for a cut half before the kept character and pad short lines).
TEST_F(TextViewUndoTest, DeletedColumnsComeBackExactlyAroundCutCharactersAndShortLines) {
    struct Case {
        std::string Text;
        TBufferCoord Anchor, Active;
        std::string Deleted;
    };
    const std::vector<Case> cases = {
        {"\x82\xA0zzzz\r\n \x82\xA0", {7, 1}, {2, 2}, "\x82\xA0\r\n "},
        {"ab\x82\xA0\r\nabcd", {2, 1}, {4, 2}, "a\x82\xA0\r\nad"},
        {"abcdef\r\nab\r\nabcdef", {2, 1}, {5, 3}, "aef\r\na\r\naef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Deleted);
        view_->SetText(c.Text);
        Run(ecColumnSelect);
        view_->SetCaretAndSelection(c.Active, c.Anchor, c.Active);
        Run(ecDeleteChar);
        EXPECT_EQ(view_->Text(), c.Deleted);
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), c.Text);
        ExpectOffTrailBytes(*view_, "undone");
        Run(ecRedo);
        EXPECT_EQ(view_->Text(), c.Deleted);
    }
}

TEST_F(TextViewUndoTest, TextPastedInLineModeIsTakenBackWithoutTheLineItWentInto) {
    const std::vector<std::string> pasted = {"P", "P\r\nQ\r\n"};
    for (const std::string& text : pasted) {
        SCOPED_TRACE(text);
        clipboard_.text = text;
        view_->SetText("ab\r\ncd");
        Run(ecLineSelect);
        view_->SetCaretXY({2, 2});
        Run(ecPaste);
        ASSERT_NE(view_->Text(), "ab\r\ncd");
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), "ab\r\ncd");
        Run(ecRedo);
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), "ab\r\ncd");
    }
}

TEST_F(TextViewUndoTest, GroupedUndoTakesBackARunOfLikeChangesUpToAGroupBreak) {
    struct Case {
        bool Grouped;
        std::vector<std::string> AfterEachUndo;
    };
    const std::vector<Case> cases = {{true, {"ab", ""}}, {false, {"abc", "ab", "a", ""}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Grouped);
        TEditorOptions options = view_->Options();
        c.Grouped ? options.Include(TEditorOption::eoGroupUndo)
                  : options.Exclude(TEditorOption::eoGroupUndo);
        view_->SetOptions(options);
        view_->SetText("");
        Type("ab");
        Run(ecLeft);  // a caret move ends the group
        Run(ecRight);
        Type("cd");
        for (const std::string& expected : c.AfterEachUndo) {
            Run(ecUndo);
            EXPECT_EQ(view_->Text(), expected);
        }
        for (std::size_t i = 0; i < c.AfterEachUndo.size(); ++i) Run(ecRedo);
        EXPECT_EQ(view_->Text(), "abcd");
    }
}

TEST_F(TextViewUndoTest, ABracketUndoesEverythingDownToItsOpeningItem) {
    const std::vector<std::pair<TChangeKind, TChangeKind>> brackets = {
        {TChangeKind::ChangeBlock1Begin, TChangeKind::ChangeBlock1End},
        {TChangeKind::ChangeBlock2Begin, TChangeKind::ChangeBlock2End},
        {TChangeKind::ChangeBlock3Begin, TChangeKind::ChangeBlock3End},
        {TChangeKind::ChangeBlock4Begin, TChangeKind::ChangeBlock4End}};
    for (const auto& [begin, end] : brackets) {
        SCOPED_TRACE(static_cast<int>(begin));
        view_->SetText("x");
        view_->SetCaretXY({2, 1});
        Record(begin, {2, 1}, {2, 1});
        Type("a");
        Run(ecDeleteLastChar);
        Run(ecLineBreak, '\r');
        Record(end, {1, 2}, {1, 2});
        Run(ecUndo);
        EXPECT_EQ(view_->Text(), "x");
        EXPECT_FALSE(view_->CanUndo());
        EXPECT_FALSE(view_->Modified());
        Run(ecRedo);
        EXPECT_EQ(view_->Text(), "x\r\n");
        EXPECT_FALSE(view_->CanRedo());
        EXPECT_EQ(view_->UndoList().NewestKind(), end);
    }
}

TEST_F(TextViewUndoTest, TheModifiedFlagIsFalseExactlyAtTheUnmodifiedMark) {
    view_->SetText("");
    Type("a");
    view_->SetModified(false);  // saved here
    Run(ecLeft);
    Type("b");
    EXPECT_TRUE(view_->Modified());
    const std::vector<std::pair<TEditorCommand, bool>> steps = {
        {ecUndo, false}, {ecUndo, true}, {ecRedo, false}, {ecRedo, true}, {ecUndo, false}};
    for (const auto& [command, modified] : steps) {
        Run(command);
        EXPECT_EQ(view_->Modified(), modified) << view_->Text();
    }
}

TEST_F(TextViewUndoTest, ANewChangeClearsTheRedoListAGroupBreakDoesNot) {
    view_->SetText("");
    Type("ab");
    Run(ecUndo);
    ASSERT_TRUE(view_->CanRedo());
    Run(ecLeft);  // adds a group break to the undo list
    Run(ecRight);
    EXPECT_TRUE(view_->CanRedo());
    Type("x");
    EXPECT_FALSE(view_->CanRedo());
}

TEST_F(TextViewUndoTest, AReadOnlyViewRefusesUndoAndRedo) {
    view_->SetText("");
    Type("ab");
    Run(ecLeft);
    Type("c");
    Run(ecUndo);
    view_->SetReadOnly(true);
    EXPECT_FALSE(view_->CanUndo());
    EXPECT_FALSE(view_->CanRedo());
    view_->Undo();
    Run(ecUndo);
    EXPECT_EQ(view_->Text(), "ab");
    view_->Redo();
    Run(ecRedo);
    EXPECT_EQ(view_->Text(), "ab");
}

TEST_F(TextViewUndoTest, UndoRestoresTheCaretBehindALineEndWithoutLeavingItThere) {
    view_->SetText("a");
    view_->SetCaretXY({4, 1});  // eoScrollPastEol is on by default
    Type("b");
    EXPECT_EQ(view_->Text(), "a  b");
    Run(ecUndo);
    EXPECT_EQ(view_->Text(), "a");
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{4, 1}));

    TEditorOptions options = view_->Options();
    options.Exclude(TEditorOption::eoScrollPastEol);
    view_->SetOptions(options);
    Run(ecRedo);
    Run(ecUndo);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, 1}));  // kept to the text
}

// Cutting the only line, emptied by unindents, as a whole line leaves no line at all; undoing
// the cut must bring the line back, or the unindents have nothing to put their blanks into.
TEST_F(TextViewUndoTest, UndoingTheCutOfTheOnlyEmptyLineLetsTheEarlierStepsBack) {
    view_->SetText("    ");
    Run(ecShiftTab);
    Run(ecShiftTab);
    ASSERT_EQ(view_->Text(), "");
    Run(ecLineSelect);
    Run(ecSelRight);
    Run(ecCut);
    EXPECT_EQ(view_->Lines().Count(), 0);
    while (view_->CanUndo()) Run(ecUndo);
    EXPECT_EQ(view_->Text(), "    ");
}

}  // namespace
}  // namespace mirevo
