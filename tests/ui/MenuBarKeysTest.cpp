// The menu bar's keyboard, step by step through the states a user takes it.
#include "ui/MenuBarKeys.h"

#include <gtest/gtest.h>

#include <functional>

namespace mirevo {
namespace {

using TAction = TMenuBarStep::TAction;

struct Step {
    const char* what;
    std::function<TMenuBarStep(TMenuBarKeys&)> input;
    TMenuBarStep expected;
    TMenuBarState after;
};

TMenuBarStep Key(TMenuBarKeys& bar, TKeyCode key) {
    return bar.State() == TMenuBarState::Open ? bar.KeyInMenu(key) : bar.KeyOnBar(key);
}
std::function<TMenuBarStep(TMenuBarKeys&)> Press(TKeyCode key) {
    return [key](TMenuBarKeys& bar) { return Key(bar, key); };
}
std::function<TMenuBarStep(TMenuBarKeys&)> Alt(char c) {
    return [c](TMenuBarKeys& bar) { return bar.AltCharacter(c); };
}
std::function<TMenuBarStep(TMenuBarKeys&)> Type(char c) {
    return [c](TMenuBarKeys& bar) { return bar.CharacterOnBar(c); };
}
TMenuBarStep ToggleBar(TMenuBarKeys& bar) { return bar.Toggle(); }

constexpr auto kInactive = TMenuBarState::Inactive;
constexpr auto kHighlighted = TMenuBarState::Highlighted;
constexpr auto kOpen = TMenuBarState::Open;

TEST(MenuBarKeys, AUserWalksTheMenusByKeyboardAlone) {
    TMenuBarKeys bar({'F', 'E', 'H'});
    const Step steps[] = {
        {"Alt alone highlights the first menu", ToggleBar, {TAction::Highlight, 0}, kHighlighted},
        {"Right moves along the bar", Press(kKeyRight), {TAction::Highlight, 1}, kHighlighted},
        {"Right again", Press(kKeyRight), {TAction::Highlight, 2}, kHighlighted},
        {"Right wraps to the first", Press(kKeyRight), {TAction::Highlight, 0}, kHighlighted},
        {"Left wraps to the last", Press(kKeyLeft), {TAction::Highlight, 2}, kHighlighted},
        {"Down opens it", Press(kKeyDown), {TAction::Open, 2}, kOpen},
        {"Right in a drop-down opens the next", Press(kKeyRight), {TAction::Open, 0}, kOpen},
        {"Left in a drop-down opens the one before", Press(kKeyLeft), {TAction::Open, 2}, kOpen},
        {"Up and Down belong to the drop-down", Press(kKeyDown), {}, kOpen},
        {"Enter belongs to the drop-down", Press(kKeyReturn), {}, kOpen},
        {"Escape steps back to the bar", Press(kKeyEscape), {TAction::Highlight, 2}, kHighlighted},
        {"Enter opens the highlighted menu", Press(kKeyReturn), {TAction::Open, 2}, kOpen},
        {"Escape", Press(kKeyEscape), {TAction::Highlight, 2}, kHighlighted},
        {"Escape on the bar leaves it", Press(kKeyEscape), {TAction::Leave, 2}, kInactive},
        {"F10 highlights again", ToggleBar, {TAction::Highlight, 0}, kHighlighted},
        {"a letter opens its menu", Type('e'), {TAction::Open, 1}, kOpen},
        {"Escape", Press(kKeyEscape), {TAction::Highlight, 1}, kHighlighted},
        {"a letter of no menu is swallowed", Type('q'), {TAction::Swallow}, kHighlighted},
        {"its key too", Press(KeyOf('Q')), {TAction::Swallow}, kHighlighted},
        {"a letter key opens its menu", Press(KeyOf('H')), {TAction::Open, 2}, kOpen},
        {"Escape", Press(kKeyEscape), {TAction::Highlight, 2}, kHighlighted},
        {"Left", Press(kKeyLeft), {TAction::Highlight, 1}, kHighlighted},
        {"Shift changes nothing", Press(kKeyShift), {TAction::Swallow}, kHighlighted},
        {"Tab leaves the bar and goes on", Press(kKeyTab), {TAction::LeaveAndPass, 1}, kInactive},
        {"keys of an inactive bar pass", Press(kKeyRight), {}, kInactive},
        {"Alt+H opens help at once", Alt('h'), {TAction::Open, 2}, kOpen},
        {"Alt+F from an open menu opens file", Alt('F'), {TAction::Open, 0}, kOpen},
        {"Alt alone while open leaves", ToggleBar, {TAction::Leave, 0}, kInactive},
        {"Alt+Space is the window's", Alt(' '), {}, kInactive},
        {"Alt+X is nobody's here", Alt('x'), {}, kInactive},
        {"Alt+a digit", Alt('1'), {}, kInactive},
        {"Highlight then Alt+letter", ToggleBar, {TAction::Highlight, 0}, kHighlighted},
        {"Alt+E", Alt('E'), {TAction::Open, 1}, kOpen},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.input(bar), step.expected) << step.what;
        EXPECT_EQ(bar.State(), step.after) << step.what;
    }
    bar.Closed();  // an item chosen
    EXPECT_EQ(bar.State(), kInactive);
    bar.OpenedByMouse(1);
    EXPECT_EQ(bar.KeyInMenu(kKeyRight), (TMenuBarStep{TAction::Open, 2}));
}

TEST(MenuBarKeys, ABarWithoutMenusTakesNothingAndCaptionsNameTheirKeys) {
    TMenuBarKeys none({});
    EXPECT_EQ(none.Toggle(), TMenuBarStep{});
    EXPECT_EQ(none.AltCharacter('f'), TMenuBarStep{});
    EXPECT_EQ(AccessKeyOf("ファイル(&F)"), 'F');
    EXPECT_EQ(AccessKeyOf("&edit"), 'E');
    EXPECT_EQ(AccessKeyOf("none"), 0);
    EXPECT_EQ(AccessKeyOf("end&"), 0);
}

}  // namespace
}  // namespace mirevo
