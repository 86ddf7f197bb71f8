// Port: what the key flow and the handler chains need of the view they serve.
#pragma once

#include "textview/EditorCommands.h"
#include "common/KeyCodes.h"
#include "common/ShiftState.h"

namespace mirevo {

class IKeyView {
public:
    virtual ~IKeyView() = default;

    // The framework's own steps, the view's OnKeyDown, OnKeyUp and OnKeyPress events. Each
    // may change the key or character, or set it to 0 to consume it.
    virtual void DoKeyDown(TKeyCode& key, TShiftState shift) = 0;
    virtual void DoKeyUp(TKeyCode& key, TShiftState shift) = 0;
    virtual void DoKeyPress(char& key) = 0;

    // True while characters of a string that an input method delivered whole are still
    // arriving; each call counts one off.
    virtual bool CountOffImeChar() = 0;

    // The command processor: runs command with its character and data (null here).
    virtual void ProcessCommand(TEditorCommand command, char character, void* data) = 0;
};

}  // namespace mirevo
