// What a change of each simple setting asks of the view.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "textview/ViewStyle.h"

namespace mirevo {
namespace {

TStyleWork Work(std::initializer_list<bool TStyleWork::*> flags, TStatusChanges status = {}) {
    TStyleWork work;
    for (const auto flag : flags) work.*flag = true;
    work.status = status;
    return work;
}

TEST(ViewStyle, EachChangeAsksForItsOwnWork) {
    struct Case {
        const char* setting;
        std::function<void(TViewStyle&)> change;
        TStyleWork work;
    };
    using W = TStyleWork;
    const std::vector<Case> cases{
        {"nothing", [](TViewStyle&) {}, {}},
        {"font colour", [](TViewStyle& s) { s.fontColor = clBlue; }, Work({&W::repaintAll})},
        {"active line colour", [](TViewStyle& s) { s.activeLineColor = clBlue; },
         Work({&W::activeLine})},
        {"right edge", [](TViewStyle& s) { s.rightEdge = 40; }, Work({&W::repaintAll})},
        {"right edge colour", [](TViewStyle& s) { s.rightEdgeColor = clBlue; },
         Work({&W::repaintAll})},
        {"tab width", [](TViewStyle& s) { s.tabWidth = 4; }, Work({&W::tabWidth, &W::repaintAll})},
        {"hide selection", [](TViewStyle& s) { s.hideSelection = true; }, Work({&W::selection})},
        {"insert mode", [](TViewStyle& s) { s.insertMode = false; },
         Work({&W::caret}, {TStatusChange::scInsertMode})},
        {"read only", [](TViewStyle& s) { s.readOnly = true; },
         Work({}, {TStatusChange::scReadOnly})},
        {"insert caret", [](TViewStyle& s) { s.insertCaret = TCaretType::ctBlock; },
         Work({&W::caret})},
        {"overwrite caret", [](TViewStyle& s) { s.overwriteCaret = TCaretType::ctHalfBlock; },
         Work({&W::caret})},
        {"border", [](TViewStyle& s) { s.borderStyle = TViewBorderStyle::bsNone; },
         Work({&W::frame})},
        {"scroll bars", [](TViewStyle& s) { s.scrollBars = TScrollStyle::ssNone; },
         Work({&W::scrollBars, &W::repaintAll})},
        // A whole repaint covers the line and the selection.
        {"colours and selection",
         [](TViewStyle& s) {
             s.fontColor = clBlue;
             s.activeLineColor = clBlue;
             s.hideSelection = true;
         },
         Work({&W::repaintAll})},
        {"mode and read only",
         [](TViewStyle& s) {
             s.insertMode = false;
             s.readOnly = true;
         },
         Work({&W::caret}, {TStatusChange::scInsertMode, TStatusChange::scReadOnly})},
    };
    for (const Case& c : cases) {
        const TViewStyle old;
        TViewStyle now = old;
        c.change(now);
        EXPECT_EQ(WorkFor(old, now), c.work) << c.setting;
        EXPECT_EQ(WorkFor(now, now), TStyleWork{}) << c.setting;
    }
}

}  // namespace
}  // namespace mirevo
