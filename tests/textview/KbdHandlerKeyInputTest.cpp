// The key flow through a view: framework step, handler chains, bindings, command processor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/FakeKeyView.h"
#include "textview/KeyInput.h"

namespace mirevo {
namespace {

using enum TShiftFlag;
using testing_support::FakeKeyView;
using Log = std::vector<std::string>;

class KeyInputTest : public ::testing::Test {
protected:
    KeyInputTest() { keystrokes_.InstallDefaults(); }

    TKeyCode Down(TKeyCode key, TShiftState shift = {}) {
        input_.KeyDown(key, shift);
        return key;
    }
    char Press(char key) {
        input_.KeyPress(key);
        return key;
    }

    FakeKeyView view_;
    TKeyStrokes keystrokes_;
    TKbdHandler kbd_;
    TKeyInput input_{view_, keystrokes_, kbd_};
};

TEST_F(KeyInputTest, EnterRunsItsCommandAndItsCharacterIsIgnored) {
    EXPECT_EQ(Down(kKeyReturn), 0);
    EXPECT_TRUE(input_.IgnoreNextChar());
    Press('\r');
    EXPECT_FALSE(input_.IgnoreNextChar());
    Press('x');
    EXPECT_EQ(view_.Log, (Log{"KeyDown 13", "Command 509 0", "KeyPress x", "Command 511 120"}));
}

TEST_F(KeyInputTest, CtrlCAndCtrlInsertCopy) {
    Down('C', {ssCtrl});
    Down(kKeyInsert, {ssCtrl});
    EXPECT_EQ(view_.Log, (Log{"KeyDown 67", "Command 201 0", "KeyDown 45", "Command 201 0"}));
}

TEST_F(KeyInputTest, AnUnboundLetterReachesTheViewAsACharacter) {
    EXPECT_EQ(Down('A'), 'A');
    EXPECT_FALSE(input_.IgnoreNextChar());
    EXPECT_EQ(input_.Translator().RememberedKey(), 'A');
    Press('a');
    EXPECT_EQ(view_.Log, (Log{"KeyDown 65", "KeyPress a", "Command 511 97"}));
}

TEST_F(KeyInputTest, AnUnboundKeyClearsTheNoteOfAnEarlierCommand) {
    Down(kKeyLeft);
    Down('A');
    Press('a');
    EXPECT_EQ(view_.Log.back(), "Command 511 97");
}

TEST_F(KeyInputTest, AltKeysTheBindingsTakeKeepTheirCharacterFromTheMenu) {
    constexpr TKeyCode kF4 = 115;
    struct AltKey {
        TKeyCode key;
        TShiftState shift;
        TKeyCode left;
        bool charTaken;
    };
    for (const AltKey& k :
         {AltKey{kKeyBack, {ssAlt}, 0, true}, AltKey{kKeyBack, {ssShift, ssAlt}, 0, true},
          AltKey{'F', {ssAlt}, 'F', false}, AltKey{kF4, {ssAlt}, kF4, false},
          AltKey{kKeySpace, {ssAlt}, kKeySpace, false}}) {
        EXPECT_EQ(Down(k.key, k.shift), k.left) << k.key;
        EXPECT_EQ(input_.TakeSystemChar(), k.charTaken) << k.key;
        EXPECT_FALSE(input_.TakeSystemChar()) << "only the one character is taken";
    }
    EXPECT_EQ(view_.Log, (Log{"KeyDown 8", "Command 601 0", "KeyDown 8", "Command 602 0",
                              "KeyDown 70", "KeyDown 115", "KeyDown 32"}));
}

TEST_F(KeyInputTest, TwoStrokeBindingRunsOnTheSecondStroke) {
    TKeyStroke& kb = keystrokes_.AppendItem();
    kb.SetCommand(1002);
    kb.SetShortCut(0x404B);
    kb.SetShortCut2(0x4042);
    EXPECT_EQ(Down('K', {ssCtrl}), 'K');
    EXPECT_EQ(Down('B', {ssCtrl}), 0);
    EXPECT_EQ(view_.Log, (Log{"KeyDown 75", "KeyDown 66", "Command 1002 0"}));
}

TEST_F(KeyInputTest, InputMethodCharactersAreCountedOffFirst) {
    view_.PendingImeChars = 2;
    Down(kKeyReturn);
    Press('\x82');
    Press('\xA0');
    EXPECT_TRUE(input_.IgnoreNextChar());  // still waiting for Enter's own character
    Press('\r');
    Press('z');
    EXPECT_EQ(view_.Log, (Log{"KeyDown 13", "Command 509 0", "KeyPress z", "Command 511 122"}));
}

TEST_F(KeyInputTest, KeyDownHandlersRunAfterTheFrameworkAndMayChangeTheKey) {
    kbd_.KeyDownHandlers().Add([this](IKeyView& sender, TKeyCode& key, TShiftState) {
        EXPECT_EQ(&sender, &view_);
        view_.Log.push_back("Handler " + std::to_string(key));
        if (key == 'Q') key = 'C';
    });
    Down('Q', {ssCtrl});
    EXPECT_EQ(view_.Log, (Log{"KeyDown 81", "Handler 81", "Command 201 0"}));
}

TEST_F(KeyInputTest, AKeyConsumedBeforeTranslationRunsNothing) {
    kbd_.KeyDownHandlers().Add([](IKeyView&, TKeyCode& key, TShiftState) { key = 0; });
    keystrokes_.AppendBinding(ecUserFirst, 0, {});  // must not fire for a consumed key
    Down(kKeyReturn);
    EXPECT_FALSE(input_.IgnoreNextChar());
    EXPECT_EQ(view_.Log, (Log{"KeyDown 13"}));
}

TEST_F(KeyInputTest, FrameworkConsumingTheKeySkipsTheChain) {
    view_.ConsumeInFramework = true;
    int calls = 0;
    kbd_.KeyDownHandlers().Add([&](IKeyView&, TKeyCode&, TShiftState) { ++calls; });
    kbd_.KeyUpHandlers().Add([&](IKeyView&, TKeyCode&, TShiftState) { ++calls; });
    kbd_.KeyPressHandlers().Add([&](IKeyView&, char&) { ++calls; });
    Down(kKeyReturn);
    TKeyCode key = kKeyReturn;
    input_.KeyUp(key, {});
    Press('a');
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(view_.Log, (Log{"KeyDown 13", "KeyUp 13", "KeyPress a"}));
}

TEST_F(KeyInputTest, KeyPressHandlersSeeTheCharacterAfterTheFramework) {
    kbd_.KeyPressHandlers().Add([this](IKeyView&, char& key) {
        view_.Log.push_back(std::string("Handler ") + key);
        key = key == 'a' ? 'b' : '\0';
    });
    Press('a');
    Press('c');
    EXPECT_EQ(view_.Log,
              (Log{"KeyPress a", "Handler a", "Command 511 98", "KeyPress c", "Handler c"}));
}

TEST_F(KeyInputTest, KeyUpRunsTheFrameworkThenTheChainAndNoCommand) {
    kbd_.KeyUpHandlers().Add([this](IKeyView&, TKeyCode& key, TShiftState) {
        view_.Log.push_back("Handler " + std::to_string(key));
    });
    TKeyCode key = 'C';
    input_.KeyUp(key, {ssCtrl});
    EXPECT_EQ(key, 'C');
    EXPECT_EQ(view_.Log, (Log{"KeyUp 67", "Handler 67"}));
}

}  // namespace
}  // namespace mirevo
