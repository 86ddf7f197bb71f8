// Drag-and-drop editing within one view and between two writable views: move and copy, the
// drop point after the moved text, drops refused, undo of a drop, and the mouse's own drag.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/textview/TextViewFixture.h"

namespace mirevo {
namespace {

using testing_support::FakeWindowServices;
using testing_support::TextViewFixture;

class TextViewDragTest : public TextViewFixture {
protected:
    TextViewDragTest() {
        other_ = std::make_unique<TTextView>(nullptr, "TextView2", manager_, charTypes_);
        other_->SetFont(MakeLogFont("ＭＳ ゴシック", -13, kShiftJisCharset));
        other_->AttachWindow(&otherWindow_);
    }
    ~TextViewDragTest() override { other_.reset(); }

    static TPoint At(const TCustomTextView& view, TBufferCoord p) {
        return {view.GutterWidth() + 2 + (p.CharIndex - 1) * view.CharWidth() + 1,
                (p.LineIndex - 1) * view.LineHeight() + 2};
    }
    static void Select(TCustomTextView& view, TBufferCoord first, TBufferCoord last) {
        view.SetCaretAndSelection(last, first, last);
    }
    static void Drop(TCustomTextView& target, TCustomTextView& source, TBufferCoord at) {
        const TPoint p = At(target, at);
        target.DragDrop(&source, p.X, p.Y);
    }
    // The undo records, group breaks left out, oldest first.
    static std::vector<TUndoItem> Records(TCustomTextView& view) {
        std::vector<TUndoItem> items;
        for (std::int32_t i = 0; i < view.UndoList().Count(); ++i) {
            const TUndoItem& item = view.UndoList().Item(i);
            if (item.Kind != TChangeKind::ChangeGroupBreak) items.push_back(item);
        }
        return items;
    }
    static TUndoItem Record(TChangeKind kind, TBufferCoord start, TBufferCoord end,
                            std::string text = {}) {
        return {kind, TSelectionMode::smNormal, start, end, std::move(text), 0};
    }
    // The records without their step numbers. (The deletion comes from setting the selected
    // text, which does not number its records yet, so one step cannot be checked here.)
    static std::vector<TUndoItem> Unnumbered(TCustomTextView& view) {
        std::vector<TUndoItem> items = Records(view);
        for (TUndoItem& item : items) item.StepNumber = 0;
        return items;
    }

    FakeWindowServices otherWindow_{{400, 300}};
    std::unique_ptr<TTextView> other_;
};

// A move records the deletion and the drop, which undo takes back together.
TEST_F(TextViewDragTest, DropWithinOneViewMovesOrCopiesAndSelectsTheText) {
    using enum TChangeKind;
    struct Case {
        const char* Name;
        std::string Text;
        TBufferCoord First, Last;  // the dragged selection
        TBufferCoord DropAt;
        bool Ctrl;
        std::string Result;
        TBufferCoord Caret;  // the start of the dropped text
        std::vector<TUndoItem> Undo;
    };
    const std::vector<Case> cases = {
        {"move right on the same line",
         "abc def ghi",
         {1, 1},
         {4, 1},
         {9, 1},
         false,
         " def abcghi",
         {6, 1},
         {Record(ChangeDelete, {1, 1}, {4, 1}, "abc"),
          Record(ChangeDragDropInsert, {6, 1}, {9, 1})}},
        {"move left",
         "abc def ghi",
         {9, 1},
         {12, 1},
         {1, 1},
         false,
         "ghiabc def ",
         {1, 1},
         {Record(ChangeDelete, {9, 1}, {12, 1}, "ghi"),
          Record(ChangeDragDropInsert, {1, 1}, {4, 1})}},
        {"copy to the end",
         "abc def",
         {1, 1},
         {4, 1},
         {8, 1},
         true,
         "abc defabc",
         {8, 1},
         {Record(ChangeDragDropInsert, {8, 1}, {11, 1})}},
        {"copy right after the selection",
         "abc def",
         {1, 1},
         {4, 1},
         {4, 1},
         true,
         "abcabc def",
         {4, 1},
         {Record(ChangeDragDropInsert, {4, 1}, {7, 1})}},
        {"move onto a later line",
         "ab\r\ncd\r\nef",
         {2, 1},
         {2, 2},
         {2, 3},
         false,
         "ad\r\neb\r\ncf",
         {2, 2},
         {Record(ChangeDelete, {2, 1}, {2, 2}, "b\r\nc"),
          Record(ChangeDragDropInsert, {2, 2}, {2, 3})}},
        {"move onto the line where a multi-line selection ends",
         "ab\r\ncd\r\nef",
         {1, 1},
         {2, 2},
         {3, 2},
         false,
         "dab\r\nc\r\nef",
         {2, 1},
         {Record(ChangeDelete, {1, 1}, {2, 2}, "ab\r\nc"),
          Record(ChangeDragDropInsert, {2, 1}, {2, 2})}},
        {"move to an earlier line",
         "ab\r\ncd\r\nef",
         {1, 3},
         {3, 3},
         {1, 1},
         false,
         "efab\r\ncd\r\n",
         {1, 1},
         {Record(ChangeDelete, {1, 3}, {3, 3}, "ef"),
          Record(ChangeDragDropInsert, {1, 1}, {3, 1})}},
    };
    TEditorOptions options = view_->Options();
    options.Exclude(TEditorOption::eoScrollPastEol);  // on only while the text goes in
    view_->SetOptions(options);
    for (const auto& c : cases) {
        view_->SetText(c.Text);
        view_->UndoList().Clear();
        Select(*view_, c.First, c.Last);
        const std::string dragged = view_->SelectedText();
        window_.Shift = c.Ctrl ? TShiftState{TShiftFlag::ssCtrl} : TShiftState{};
        Drop(*view_, *view_, c.DropAt);
        EXPECT_EQ(view_->Text(), c.Result) << c.Name;
        EXPECT_EQ(view_->SelectedText(), dragged) << c.Name;
        EXPECT_EQ(view_->CaretXY(), c.Caret) << c.Name;
        EXPECT_EQ(Unnumbered(*view_), c.Undo) << c.Name;
        EXPECT_FALSE(view_->Options().Contains(TEditorOption::eoScrollPastEol)) << c.Name;
        // The drop is one step: one undo takes the move or copy back whole.
        view_->Undo();
        EXPECT_EQ(view_->Text(), c.Text) << c.Name;
        view_->Redo();
        EXPECT_EQ(view_->Text(), c.Result) << c.Name;
    }
}

TEST_F(TextViewDragTest, DropOntoTheDraggedTextDoesNothing) {
    struct Case {
        const char* Name;
        TBufferCoord DropAt;
        bool Ctrl;
    };
    const std::vector<Case> cases = {{"inside", {3, 1}, false},
                                     {"inside, copying", {3, 1}, true},
                                     {"at its start", {2, 1}, false},
                                     {"at its end", {5, 1}, false},
                                     {"at its start, copying", {2, 1}, true}};
    for (const auto& c : cases) {
        view_->SetText("abcdef");
        view_->UndoList().Clear();
        Select(*view_, {2, 1}, {5, 1});
        window_.Shift = c.Ctrl ? TShiftState{TShiftFlag::ssCtrl} : TShiftState{};
        Drop(*view_, *view_, c.DropAt);
        EXPECT_EQ(view_->Text(), "abcdef") << c.Name;
        EXPECT_FALSE(view_->UndoList().HasItems()) << c.Name;
    }
}

TEST_F(TextViewDragTest, DropFromAnotherViewCopiesOrMovesWithShift) {
    struct Case {
        const char* Name;
        bool Shift;
        std::string Source;
    };
    const std::vector<Case> cases = {{"copy", false, "hello there"}, {"move", true, " there"}};
    for (const auto& c : cases) {
        view_->SetText("hello there");
        view_->UndoList().Clear();
        other_->SetText("world");
        other_->UndoList().Clear();
        Select(*view_, {1, 1}, {6, 1});
        otherWindow_.Shift = c.Shift ? TShiftState{TShiftFlag::ssShift} : TShiftState{};
        Drop(*other_, *view_, {6, 1});
        EXPECT_EQ(other_->Text(), "worldhello") << c.Name;
        EXPECT_EQ(other_->SelectedText(), "hello") << c.Name;
        EXPECT_EQ(other_->CaretXY(), (TBufferCoord{6, 1})) << c.Name;
        EXPECT_EQ(view_->Text(), c.Source) << c.Name;
        EXPECT_EQ(Unnumbered(*other_),
                  (std::vector<TUndoItem>{Record(TChangeKind::ChangeInsert, {6, 1}, {11, 1})}))
            << c.Name;
        EXPECT_EQ(Records(*view_).size(), c.Shift ? 1u : 0u) << c.Name;
    }
}

TEST_F(TextViewDragTest, AReadOnlyTargetRefusesTheDrag) {
    view_->SetText("hello");
    other_->SetText("world");
    other_->SetReadOnly(true);
    Select(*view_, {1, 1}, {6, 1});
    bool accept = true;
    const TPoint p = At(*other_, {2, 1});
    other_->DragOver(view_.get(), p.X, p.Y, TCustomTextView::TDragState::dsDragEnter, accept);
    EXPECT_FALSE(accept);
    other_->DragDrop(view_.get(), p.X, p.Y);
    EXPECT_EQ(other_->Text(), "world");
    EXPECT_EQ(view_->Text(), "hello");

    other_->SetReadOnly(false);
    other_->DragOver(view_.get(), p.X, p.Y, TCustomTextView::TDragState::dsDragEnter, accept);
    EXPECT_TRUE(accept);
    EXPECT_EQ(other_->CaretXY(), (TBufferCoord{2, 1}));  // the caret follows the mouse
}

TEST_F(TextViewDragTest, TheMouseDragsToTheViewTheLocatorFinds) {
    view_->SetText("hello there");
    other_->SetText("world");
    view_->SetDragTargetLocator([&](TPoint p) -> TCustomTextView::TDragTarget {
        if (p.Y > 200) return {other_.get(), {p.X, p.Y - 200}};
        return {view_.get(), p};
    });
    Select(*view_, {1, 1}, {6, 1});
    const TPoint press = At(*view_, {2, 1});
    view_->MouseDown(TMouseButton::mbLeft, {TShiftFlag::ssLeft}, press.X, press.Y);
    const TPoint over = At(*other_, {6, 1});
    view_->MouseMove({TShiftFlag::ssLeft}, over.X, over.Y + 200);
    ASSERT_TRUE(view_->Dragging());
    EXPECT_EQ(window_.Cursor(), crDrag);
    view_->MouseMove({TShiftFlag::ssLeft, TShiftFlag::ssCtrl}, over.X, over.Y + 200);
    EXPECT_EQ(window_.Cursor(), crMultiDrag);
    view_->MouseUp(TMouseButton::mbLeft, {}, over.X, over.Y + 200);
    EXPECT_FALSE(view_->Dragging());
    EXPECT_FALSE(window_.HasCapture());
    EXPECT_EQ(other_->Text(), "worldhello");
    EXPECT_EQ(view_->Text(), "hello there");
}

TEST_F(TextViewDragTest, TheMouseMovesTextWithinItsOwnView) {
    view_->SetText("abc def ghi");
    Select(*view_, {1, 1}, {4, 1});
    const TPoint press = At(*view_, {2, 1});
    const TPoint drop = At(*view_, {9, 1});
    view_->MouseDown(TMouseButton::mbLeft, {TShiftFlag::ssLeft}, press.X, press.Y);
    view_->MouseMove({TShiftFlag::ssLeft}, drop.X, drop.Y);
    EXPECT_EQ(view_->CaretXY(), (TBufferCoord{9, 1}));  // the caret shows the drop point
    EXPECT_EQ(view_->SelectedText(), "abc");
    view_->MouseUp(TMouseButton::mbLeft, {}, drop.X, drop.Y);
    EXPECT_EQ(view_->Text(), " def abcghi");
    EXPECT_EQ(view_->SelectedText(), "abc");
}

}  // namespace
}  // namespace mirevo
