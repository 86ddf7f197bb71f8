// A view for the key flow's tests: records every call it gets and can consume keys and
// deliver input-method characters on request.
#pragma once

#include <string>
#include <vector>

#include "textview/KeyView.h"

namespace mirevo::testing_support {

class FakeKeyView : public IKeyView {
public:
    void DoKeyDown(TKeyCode& key, TShiftState shift) override;
    void DoKeyUp(TKeyCode& key, TShiftState shift) override;
    void DoKeyPress(char& key) override;
    bool CountOffImeChar() override;
    void ProcessCommand(TEditorCommand command, char character, void* data) override;

    // Calls as "KeyDown 65", "KeyUp 65", "KeyPress a", "Command 201 0", in order.
    std::vector<std::string> Log;
    // Characters of an input-method string still to arrive.
    int PendingImeChars = 0;
    // The framework's key steps set the key (character) to 0.
    bool ConsumeInFramework = false;
};

}  // namespace mirevo::testing_support
