// The text view's caret: conversions, moves over double-byte characters and wrap points,
// visibility, the update bracket and status changes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing_support::TextViewFixture;

using TextViewCaretTest = TextViewFixture;

TEST_F(TextViewCaretTest, BufferAndDisplayConvertAcrossTabsAndDoubleByteCharacters) {
    view_->SetTabWidth(4);
    view_->SetText("a\tbあc");
    struct Case {
        TBufferCoord Buffer;
        TDisplayCoord Display;
    };
    // a=1, tab=2..4, b=5, あ=6..7, c=8
    const std::vector<Case> cases = {{{1, 1}, {1, 1}}, {{2, 1}, {2, 1}}, {{3, 1}, {5, 1}},
                                     {{4, 1}, {6, 1}}, {{6, 1}, {8, 1}}, {{8, 1}, {10, 1}}};
    for (const auto& c : cases) {
        EXPECT_EQ(view_->BufferToDisplay(c.Buffer), c.Display) << c.Buffer.CharIndex;
        EXPECT_EQ(view_->DisplayToBuffer(c.Display), c.Buffer) << c.Display.Column;
    }
    // A column inside the tab belongs to the tab; the second cell of あ to after it.
    EXPECT_EQ(view_->DisplayToBuffer({3, 1}), (TBufferCoord{2, 1}));
    EXPECT_EQ(view_->DisplayToBuffer({7, 1}), (TBufferCoord{6, 1}));
}

TEST_F(TextViewCaretTest, HorizontalMovesStepOverDoubleByteCharactersWhole) {
    view_->SetText("aあb\r\nx");
    struct Step {
        std::int32_t Dx;
        TBufferCoord Expected;
    };
    const std::vector<Step> steps = {{1, {2, 1}},  {1, {4, 1}},  {1, {5, 1}},  {1, {1, 2}},
                                     {-1, {5, 1}}, {-1, {4, 1}}, {-1, {2, 1}}, {-1, {1, 1}}};
    TEditorOptions options = view_->Options();
    options.Exclude(TEditorOption::eoScrollPastEol);
    view_->SetOptions(options);
    for (const auto& step : steps) {
        view_->MoveCaretHorz(step.Dx, false);
        EXPECT_EQ(view_->CaretXY(), step.Expected) << "after " << step.Dx;
    }
}

TEST_F(TextViewCaretTest, VerticalMovesNeverRestBetweenTheBytesOfACharacter) {
    view_->SetText("abcd\r\nあい\r\nabcd");
    view_->SetCaretXY({2, 1});
    view_->MoveCaretVert(1, false);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 2}));  // after あ, not on its second byte
    view_->MoveCaretVert(1, false);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 3}));
    view_->MoveCaretVert(-2, false);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 1}));
}

TEST_F(TextViewCaretTest, TheRowEndFlagMarksTheWrapPoint) {
    UseResultViewSettings();
    view_->SetText(std::string(150, 'a'));
    view_->SetCaretXY({63, 1});
    view_->MoveCaretHorz(1, false);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{64, 1}));
    EXPECT_TRUE(view_->CaretAtRowEnd());
    EXPECT_EQ(view_->CaretDisplayPos(), (TDisplayCoord{64, 1}));  // end of the upper row
    view_->MoveCaretHorz(1, false);
    EXPECT_FALSE(view_->CaretAtRowEnd());
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{64, 1}));
    EXPECT_EQ(view_->CaretDisplayPos(), (TDisplayCoord{1, 2}));
    view_->MoveCaretHorz(-1, false);
    EXPECT_TRUE(view_->CaretAtRowEnd());
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{64, 1}));
}

TEST_F(TextViewCaretTest, ACaretOutsideTheTextAreaIsPositionedButHidden) {
    window_.HasFocus = true;
    view_->SetText("abcdef\r\n" + std::string(40, 'x'));
    view_->FocusGained();
    EXPECT_TRUE(window_.CaretExists());
    EXPECT_EQ(window_.CaretSize(), (TSize{2, 11}));  // vertical line: 2 x row height - 2
    EXPECT_TRUE(window_.CaretShown());
    EXPECT_EQ(window_.CaretPos(), (TPoint{31, 1}));  // cell 32, offset -1, +1 down

    view_->SetLeftChar(5);  // the caret's column 1 is now left of the text area
    view_->UpdateCaret();
    EXPECT_EQ(window_.CaretPos().X, 32 - 4 * 6 - 1);
    EXPECT_FALSE(window_.CaretShown());

    window_.HasFocus = false;
    view_->FocusLost();
    EXPECT_FALSE(window_.CaretExists());
}

TEST_F(TextViewCaretTest, CaretShapesFollowTheInsertMode) {
    window_.HasFocus = true;
    view_->FocusGained();
    view_->SetInsertMode(false);  // block
    EXPECT_EQ(window_.CaretSize(), (TSize{6, 11}));
    view_->SetOverwriteCaret(TCaretType::ctHalfBlock);
    EXPECT_EQ(window_.CaretSize(), (TSize{6, 5}));
    EXPECT_EQ(window_.CaretPos(), (TPoint{32, 6}));
}

TEST_F(TextViewCaretTest, TheUpdateBracketDefersStatusChangesToItsEnd) {
    std::vector<TStatusChanges> reports;
    view_->OnStatusChange = [&](TObject*, TStatusChanges changes) { reports.push_back(changes); };
    view_->SetText("abc\r\ndef");
    reports.clear();
    view_->LockPaint();
    view_->InternalSetCaretXY({2, 2});
    view_->SetReadOnly(true);
    EXPECT_TRUE(reports.empty());
    view_->UnlockPaint();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].Contains(TStatusChange::scCaretX));
    EXPECT_TRUE(reports[0].Contains(TStatusChange::scCaretY));
    EXPECT_TRUE(reports[0].Contains(TStatusChange::scReadOnly));
}

TEST_F(TextViewCaretTest, ChangesWaitForAHandlerToBeAssigned) {
    view_->SetText("abc");
    view_->SetReadOnly(true);
    view_->SetInsertMode(false);
    EXPECT_TRUE(view_->PendingChanges().Contains(TStatusChange::scReadOnly));
    std::vector<TStatusChanges> reports;
    view_->OnStatusChange = [&](TObject*, TStatusChanges changes) { reports.push_back(changes); };
    view_->SetReadOnly(false);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].Contains(TStatusChange::scInsertMode));
    EXPECT_TRUE(view_->PendingChanges().Empty());
}

TEST_F(TextViewCaretTest, AnUnbalancedUnlockIsAnAssertionAndChangesNothing) {
    EXPECT_THROW(view_->UnlockPaint(), EAssertionFailed);
    EXPECT_EQ(view_->PaintLock(), 0);
}

// A handler that throws inside an edit, and a status handler that throws when the bracket
// closes behind it: the edit's failure reaches the caller (it used to end the program), the
// bracket is closed and the view goes on.
TEST_F(TextViewCaretTest, AFailureInsideTheBracketOutlivesOneWhileItCloses) {
    struct Case {
        const char* Name;
        TBufferCoord Anchor;
        TEditorCommand Command;
    };
    view_->SetText("abc\r\ndef");
    for (const Case& c :
         {Case{"typed", {2, 2}, ecChar}, Case{"deleted across lines", {1, 1}, ecDeleteChar},
          Case{"undone", {2, 2}, ecUndo}}) {
        SCOPED_TRACE(c.Name);
        view_->SetCaretAndSelection({2, 2}, c.Anchor, {2, 2});
        view_->OnChange = [](TObject*) { throw std::runtime_error("change"); };
        view_->OnStatusChange = [](TObject*, TStatusChanges) {
            throw std::runtime_error("status");
        };
        try {
            view_->ProcessCommand(c.Command, 'x', nullptr);
            ADD_FAILURE() << "no failure";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "change");
        }
        EXPECT_EQ(view_->PaintLock(), 0);
        view_->OnChange = nullptr;
        view_->OnStatusChange = nullptr;
        view_->SetCaretXY({2, 1});
        EXPECT_EQ(view_->CaretXY(), (TBufferCoord{2, 1}));
    }
}

TEST_F(TextViewCaretTest, SettingTheCaretClampsAndCollapsesTheSelection) {
    TEditorOptions options = view_->Options();
    options.Exclude(TEditorOption::eoScrollPastEol);
    view_->SetOptions(options);
    view_->SetText("abc\r\nde");
    view_->SetBlockBegin({1, 1});
    view_->SetBlockEnd({3, 2});
    view_->SetCaretXY({99, 99});
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{3, 2}));
    EXPECT_FALSE(view_->HasSelection());
}

TEST_F(TextViewCaretTest, ClearingTheStoreResetsCaretAndScrolling) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line\r\n";
    view_->SetText(text);
    view_->SetCaretXY({3, 80});
    ASSERT_GT(view_->TopLine(), 1);
    view_->ClearAll();
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{1, 1}));
    EXPECT_EQ(view_->TopLine(), 1);
    EXPECT_EQ(view_->Text(), "");
}

// With eoScrollPastEol a line may be longer than the scroll width: the caret stops at the
// limit, or before the character that the limit cuts, also where a paste takes it.
TEST_F(TextViewCaretTest, TheScrollWidthLimitNeverCutsACharacter) {
    TEditorOptions options = view_->Options();
    options.Include(TEditorOption::eoScrollPastEol);
    view_->SetOptions(options);
    view_->SetMaxScrollWidth(10);
    const std::string line =
        "a\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0";  // あ at 2, 4, ...
    for (const std::int32_t target : {12, 13, 40}) {
        view_->SetText(line);
        view_->SetCaretXY({target, 1});
        EXPECT_EQ(view_->CaretXY(), (TBufferCoord{10, 1})) << target;
    }
    view_->SetText("a");
    view_->SetCaretXY({2, 1});
    view_->SetSelectedText(line.substr(1));  // the caret would go to 14
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{10, 1}));
}

}  // namespace
}  // namespace mirevo
