// The view's context menu: its items and their state, what choosing one does, and where the
// menu opens.
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/textview/TextViewFixture.h"
#include "textview/ViewContextMenu.h"

namespace mirevo::testing_support {
namespace {

using TCommand = TViewContextMenu::TCommand;

class ViewContextMenu : public TextViewFixture {
protected:
    ViewContextMenu() {
        UseResultViewSettings();
        view_->SetClipboard(&clipboard_);
    }

    // Each item as "caption:1" (enabled) or "caption:0".
    std::string Shown() const {
        std::string shown;
        for (const auto& item : menu_.Items()) {
            if (!shown.empty()) shown += ' ';
            shown += std::string(item.Caption) + (item.Enabled ? ":1" : ":0");
        }
        return shown;
    }

    FakeClipboardFormats clipboard_;
    TViewContextMenu menu_{*view_, *view_->AsEditTarget()};
};

TEST_F(ViewContextMenu, OffersCopyWithASelectionAndSelectAllWithText) {
    struct Case {
        const char* text;
        bool selectAll;
        const char* shown;
    };
    for (const Case& c : {Case{"", false, "コピー(&C):0 すべてを選択(&A):0"},
                          Case{"code", false, "コピー(&C):0 すべてを選択(&A):1"},
                          Case{"code", true, "コピー(&C):1 すべてを選択(&A):1"}}) {
        view_->SetText(c.text);
        if (c.selectAll) view_->SelectAll();
        EXPECT_EQ(Shown(), c.shown) << c.text << c.selectAll;
    }
}

TEST_F(ViewContextMenu, SelectAllThenCopyPutsTheWholeTextOnTheClipboard) {
    view_->SetText("<a href=\"x\">\r\n商品</a>");
    menu_.Run(TCommand::Copy);
    EXPECT_EQ(clipboard_.puts, 0) << "nothing selected, nothing copied";
    menu_.Run(TCommand::SelectAll);
    EXPECT_TRUE(view_->HasSelection());
    menu_.Run(TCommand::Copy);
    EXPECT_EQ(clipboard_.text, std::optional<std::string>("<a href=\"x\">\r\n商品</a>"));
    EXPECT_EQ(view_->Text(), "<a href=\"x\">\r\n商品</a>");
}

TEST_F(ViewContextMenu, OpensAtTheMouseOrBelowTheCaret) {
    view_->SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(menu_.Origin(TPoint{120, 40}), (TPoint{120, 40}));
    const std::int32_t cell = view_->CharWidth();
    const std::int32_t row = view_->LineHeight();
    EXPECT_EQ(menu_.Origin(std::nullopt), (TPoint{view_->TextOffset(), row}));
    view_->SetCaretXY({3, 2});
    EXPECT_EQ(menu_.Origin(std::nullopt), (TPoint{view_->TextOffset() + 2 * cell, 2 * row}));
}

TEST_F(ViewContextMenu, FromTheKeyboardStaysInsideTheViewWhenTheCaretIsOutOfSight) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line\r\n";
    view_->SetText(text);
    view_->SetCaretXY({1, 100});
    view_->SetTopLine(1);
    const TPoint at = menu_.Origin(std::nullopt);
    EXPECT_EQ(at.X, view_->TextOffset());
    EXPECT_EQ(at.Y, 299);  // the last pixel row of the 300 the fixture gives the view
}

}  // namespace
}  // namespace mirevo::testing_support
