// The command processor of the text view: events and hooks around every command, the
// navigation and selection commands on small texts, bookmarks, the clipboard commands and
// the refusal of text changes in a read-only view.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/textview/TextViewFixture.h"
#include "textview/SelectionErrors.h"

namespace mirevo {
namespace {

using ::testing::ElementsAre;
using testing_support::FakeClipboardFormats;
using testing_support::TextViewFixture;

class TextViewCommandsTest : public TextViewFixture {
protected:
    TextViewCommandsTest() {
        UseResultViewSettings();
        view_->SetClipboard(&clipboard_);
    }
    void Run(TEditorCommand command, char character = '\0', void* data = nullptr) {
        view_->ProcessCommand(command, character, data);
    }
    FakeClipboardFormats clipboard_;
};

// "あい" is two double-byte characters (4 bytes).
const char kText[] = "abc def\r\nxy\r\n\x82\xA0\x82\xA2 end";

TEST_F(TextViewCommandsTest, NavigationCommandsMoveTheCaretAndExtendFromIt) {
    struct Case {
        const char* Name;
        TBufferCoord Start;
        TEditorCommand Command;
        TBufferCoord Caret;
        TBufferCoord Anchor;  // equal to Caret when nothing is selected
    };
    const std::vector<Case> cases = {
        {"right", {1, 1}, ecRight, {2, 1}, {2, 1}},
        {"select right", {1, 1}, ecSelRight, {2, 1}, {1, 1}},
        {"left wraps to the previous line's end", {1, 2}, ecLeft, {8, 1}, {8, 1}},
        {"right at a line end goes to the next line", {3, 2}, ecRight, {1, 3}, {1, 3}},
        {"right steps over a double-byte character", {1, 3}, ecRight, {3, 3}, {3, 3}},
        {"left steps over a double-byte character", {5, 3}, ecLeft, {3, 3}, {3, 3}},
        {"down keeps the column", {2, 1}, ecDown, {2, 2}, {2, 2}},
        {"down onto a second byte goes past the character", {2, 2}, ecDown, {3, 3}, {3, 3}},
        {"select up", {2, 2}, ecSelUp, {2, 1}, {2, 2}},
        {"word right", {1, 1}, ecWordRight, {5, 1}, {5, 1}},
        {"word right from the line end", {8, 1}, ecWordRight, {1, 2}, {1, 2}},
        {"word left", {7, 1}, ecWordLeft, {5, 1}, {5, 1}},
        {"select word left from a line start", {1, 2}, ecSelWordLeft, {8, 1}, {1, 2}},
        {"home", {5, 1}, ecLineStart, {1, 1}, {1, 1}},
        {"end", {1, 1}, ecLineEnd, {8, 1}, {8, 1}},
        {"select end", {2, 3}, ecSelLineEnd, {9, 3}, {2, 3}},
        {"editor top", {3, 2}, ecEditorTop, {1, 1}, {1, 1}},
        {"select editor bottom", {3, 2}, ecSelEditorBottom, {9, 3}, {3, 2}},
        {"page down stops at the last line", {1, 1}, ecPageDown, {1, 3}, {1, 3}},
        {"page up stops at the first line", {3, 3}, ecPageUp, {3, 1}, {3, 1}},
        {"select all", {2, 2}, ecSelectAll, {9, 3}, {1, 1}},
    };
    view_->SetText(kText);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        view_->SetCaretXY(c.Start);
        Run(c.Command);
        EXPECT_EQ(view_->CaretXY(), c.Caret);
        EXPECT_EQ(view_->BlockEnd(), c.Caret);
        EXPECT_EQ(view_->BlockBegin(), c.Anchor);
    }
}

TEST_F(TextViewCommandsTest, GotoCommandsTakeTheirPositionFromTheData) {
    view_->SetText(kText);
    TBufferCoord target{2, 2};
    Run(ecGotoXY, '\0', &target);
    EXPECT_EQ(view_->CaretXY(), target);
    Run(ecGotoXY);  // no data: nothing
    EXPECT_EQ(view_->CaretXY(), target);
    TBufferCoord further{5, 1};
    Run(ecSelGotoXY, '\0', &further);
    EXPECT_EQ(view_->SelectedText(), "def\r\nx");
}

TEST_F(TextViewCommandsTest, HomeAndEndStayInTheCaretsWrappedRow) {
    // 63 cells a row: the line wraps after its blank.
    const std::string line = std::string(50, 'a') + " " + std::string(40, 'b');
    view_->SetText(line);
    view_->SetCaretXY({60, 1});
    Run(ecLineStart);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{52, 1}));
    Run(ecLineEnd);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{92, 1}));
    view_->SetCaretXY({5, 1});
    Run(ecLineEnd);
    // The end of the first row: the wrap point, shown at the row's end.
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{52, 1}));
    EXPECT_TRUE(view_->CaretAtRowEnd());
    EXPECT_EQ(view_->CaretDisplayPos().Row, 1);
}

TEST_F(TextViewCommandsTest, EventsAndHooksSurroundEveryCommand) {
    std::vector<std::string> log;
    view_->SetText(kText);
    view_->OnProcessCommand = [&](TObject*, TEditorCommand& command, char&, void*) {
        log.push_back("process " + std::to_string(command));
        if (command == ecDown) command = ecNone;  // cancelled
    };
    view_->OnProcessUserCommand = [&](TObject*, TEditorCommand& command, char&, void*) {
        log.push_back("user " + std::to_string(command));
    };
    view_->OnCommandProcessed = [&](TObject*, TEditorCommand& command, char&, void*) {
        log.push_back("processed " + std::to_string(command));
    };
    int tag = 0;
    view_->RegisterCommandHandler(
        [&](TObject*, bool after, bool& handled, TEditorCommand& command, char&, void*,
            void* data) {
            log.push_back(std::string(after ? "after " : "before ") + std::to_string(command));
            EXPECT_EQ(data, &tag);
            if (command == ecLeft && !after) handled = true;
        },
        &tag);
    Run(ecRight);
    Run(ecDown);
    Run(ecLeft);
    Run(ecUserFirst + 5);
    EXPECT_THAT(log, ElementsAre("process 2", "before 2", "after 2", "processed 2",  //
                                 "process 4", "processed 0",                         //
                                 "process 1", "before 1", "processed 0",             //
                                 "user 1006", "before 1006", "after 1006", "processed 1006"));
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, 1}));  // only the right move ran
    log.clear();
    view_->UnregisterCommandHandler(&tag);
    Run(ecRight);
    EXPECT_THAT(log, ElementsAre("process 2", "processed 2"));
}

TEST_F(TextViewCommandsTest, TextChangingCommandsChangeNothingInAReadOnlyView) {
    view_->SetText(kText);
    clipboard_.text = "pasted";
    Run(ecSelectAll);
    for (const TEditorCommand command : {ecDeleteLastChar, ecDeleteChar,
                                         ecDeleteWord,     ecDeleteLastWord,
                                         ecDeleteBOL,      ecDeleteEOL,
                                         ecDeleteLine,     ecClearAll,
                                         ecLineBreak,      ecInsertLine,
                                         ecChar,           ecUndo,
                                         ecRedo,           ecCut,
                                         ecPaste,          ecBlockIndent,
                                         ecBlockUnindent,  ecTab,
                                         ecShiftTab,       ecUpperCase,
                                         ecLowerCase,      ecToggleCase,
                                         ecTitleCase,      ecUpperCaseBlock,
                                         ecLowerCaseBlock, ecToggleCaseBlock}) {
        Run(command, 'x');
    }
    char ime[] = "\x82\xA0";
    Run(ecImeStr, '\0', ime);
    EXPECT_EQ(view_->Text(), kText);
    EXPECT_FALSE(view_->Modified());
    EXPECT_FALSE(view_->UndoList().HasItems());
    EXPECT_EQ(clipboard_.puts, 0);  // the refused cut copied nothing either
}

TEST_F(TextViewCommandsTest, CopyPutsPlainTextAndTheBlockOnlyForASelection) {
    view_->SetText(kText);
    Run(ecCopy);
    EXPECT_EQ(clipboard_.puts, 0);
    Run(ecSelectAll);
    Run(ecCopy);
    EXPECT_EQ(clipboard_.text, std::optional<std::string>(kText));
    EXPECT_EQ(clipboard_.privateData,
              std::optional<std::string>(std::string(1, '\0') + kText + std::string(1, '\0')));
    clipboard_.refusePut = true;
    EXPECT_THROW(
        {
            try {
                Run(ecCopy);
            } catch (const ETextViewError& e) {
                EXPECT_STREQ(e.what(), "Clipboard copy operation failed");
                throw;
            }
        },
        ETextViewError);
}

TEST_F(TextViewCommandsTest, LineModeCopiesABreakAfterItsLastLineUnlessItIsTheStoresLast) {
    view_->SetText(kText);
    Run(ecLineSelect);
    view_->SetCaretXY({2, 1});
    Run(ecSelDown);
    Run(ecCopy);
    EXPECT_EQ(clipboard_.text, std::optional<std::string>("abc def\r\nxy\r\n"));
    EXPECT_EQ(clipboard_.privateData->front(), '\1');
    Run(ecSelEditorBottom);
    Run(ecCopy);
    EXPECT_EQ(clipboard_.text, std::optional<std::string>(kText));
}

TEST_F(TextViewCommandsTest, BookmarksToggleAndJumpAlsoInAReadOnlyView) {
    view_->SetText(kText);
    view_->SetCaretXY({3, 2});
    Run(ecSetMarker0 + 3);
    EXPECT_EQ(view_->GetBookMark(3), (TBufferCoord{3, 2}));
    EXPECT_EQ(view_->Marks().Count(), 1u);
    view_->SetCaretXY({1, 1});
    Run(ecGotoMarker0 + 3);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 2}));
    EXPECT_FALSE(view_->HasSelection());
    // Again on the same line: cleared. On another line: moved.
    Run(ecSetMarker0 + 3);
    EXPECT_FALSE(view_->IsBookmark(3));
    Run(ecSetMarker0 + 3);
    view_->SetCaretXY({1, 3});
    Run(ecSetMarker0 + 3);
    EXPECT_EQ(view_->GetBookMark(3), (TBufferCoord{1, 3}));
    EXPECT_EQ(view_->Marks().Count(), 1u);
    EXPECT_EQ(view_->Text(), kText);
    EXPECT_FALSE(view_->UndoList().HasItems());

    view_->OnPlaceBookmark = [](TObject*, TEditMark*& mark) { mark = nullptr; };
    Run(ecSetMarker0 + 7);
    EXPECT_FALSE(view_->IsBookmark(7));
    view_->ClearAll();
    EXPECT_FALSE(view_->IsBookmark(3));
    Run(ecGotoMarker0 + 3);  // an emptied slot is no dangling mark
}

TEST_F(TextViewCommandsTest, ModeAndBracketCommands) {
    view_->SetText("f(a[b]{c})");
    view_->SetCaretXY({2, 1});
    Run(ecMatchBracket);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{10, 1}));
    Run(ecMatchBracket);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, 1}));
    Run(ecColumnSelect);
    EXPECT_EQ(view_->SelectionMode(), TSelectionMode::smColumn);
    Run(ecNormalSelect);
    EXPECT_EQ(view_->SelectionMode(), TSelectionMode::smNormal);
    Run(ecToggleMode);
    EXPECT_FALSE(view_->InsertMode());
    Run(ecInsertMode);
    EXPECT_TRUE(view_->InsertMode());
    std::string helpWord;
    view_->OnContextHelp = [&](TObject*, const std::string& word) { helpWord = word; };
    view_->SetCaretXY({5, 1});
    Run(ecContextHelp);
    EXPECT_EQ(helpWord, "b");
}

TEST_F(TextViewCommandsTest, KeysRunTheirBindingsAndCharactersAreRefusedWhenReadOnly) {
    view_->SetText(kText);
    TKeyCode key = 'A';
    view_->KeyDown(key, {TShiftFlag::ssCtrl});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(view_->SelectedText(), kText);
    char typed = 'x';
    view_->KeyPress(typed);  // the character of Ctrl+A is ignored
    typed = 'y';
    view_->KeyPress(typed);
    EXPECT_EQ(view_->Text(), kText);
    view_->ImeString("\x82\xA0");
    for (char c : std::string("\x82\xA0")) view_->KeyPress(c);
    EXPECT_EQ(view_->Text(), kText);
}

}  // namespace
}  // namespace mirevo
