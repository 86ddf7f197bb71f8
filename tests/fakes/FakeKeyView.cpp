#include "tests/fakes/FakeKeyView.h"

namespace mirevo::testing_support {

void FakeKeyView::DoKeyDown(TKeyCode& key, TShiftState) {
    Log.push_back("KeyDown " + std::to_string(key));
    if (ConsumeInFramework) key = 0;
}

void FakeKeyView::DoKeyUp(TKeyCode& key, TShiftState) {
    Log.push_back("KeyUp " + std::to_string(key));
    if (ConsumeInFramework) key = 0;
}

void FakeKeyView::DoKeyPress(char& key) {
    Log.push_back(std::string("KeyPress ") + key);
    if (ConsumeInFramework) key = '\0';
}

bool FakeKeyView::CountOffImeChar() {
    if (PendingImeChars == 0) return false;
    --PendingImeChars;
    return true;
}

void FakeKeyView::ProcessCommand(TEditorCommand command, char character, void* data) {
    Log.push_back("Command " + std::to_string(command) + " " +
                  std::to_string(static_cast<unsigned char>(character)) + (data ? " data" : ""));
}

}  // namespace mirevo::testing_support
