// A key binding: one or two key strokes, each a key with its modifiers, and the editor
// command they give.
#pragma once

#include <cstdint>
#include <string>

#include "common/Exception.h"
#include "textview/EditorCommands.h"
#include "common/KeyCodes.h"
#include "common/ShiftState.h"

namespace mirevo {

class TKeyStrokes;

// Raised when a binding would duplicate the strokes of another one of its table.
class EKeyStrokeError : public Exception {
public:
    using Exception::Exception;
};

class TKeyStroke {
public:
    // A binding of no table; its shortcut setters have nothing to check against.
    TKeyStroke() = default;
    TKeyStroke(const TKeyStroke&) = delete;
    TKeyStroke& operator=(const TKeyStroke&) = delete;

    // Copies the command and both strokes; the table it belongs to stays its own.
    void Assign(const TKeyStroke& source);

    TEditorCommand Command() const { return command_; }
    void SetCommand(TEditorCommand command) { command_ = command; }

    // The strokes field by field, unchecked. Shift states keep only Shift, Alt and Ctrl.
    // SecondKey 0 makes a one-stroke binding.
    TKeyCode FirstKey() const { return firstKey_; }
    TShiftState FirstShift() const { return firstShift_; }
    TKeyCode SecondKey() const { return secondKey_; }
    TShiftState SecondShift() const { return secondShift_; }
    void SetFirstKey(TKeyCode key) { firstKey_ = key; }
    void SetFirstShift(TShiftState shift) { firstShift_ = shift.Modifiers(); }
    void SetSecondKey(TKeyCode key) { secondKey_ = key; }
    void SetSecondShift(TShiftState shift) { secondShift_ = shift.Modifiers(); }

    // The strokes as shortcuts. Setting a value other than 0 that, together with the other
    // stroke, equals the strokes of another binding of the table raises EKeyStrokeError
    // "Shortcut already exists" and leaves this binding as it was.
    TShortCut ShortCut() const { return mirevo::ShortCut(firstKey_, firstShift_); }
    TShortCut ShortCut2() const { return mirevo::ShortCut(secondKey_, secondShift_); }
    void SetShortCut(TShortCut value);
    void SetShortCut2(TShortCut value);

    // Position in its table, or -1 for a binding of no table.
    std::int32_t Index() const;

    // "ecCopy - Ctrl+C", with " " and the second stroke's text when one is set.
    std::string DisplayName() const;

private:
    friend class TKeyStrokes;
    explicit TKeyStroke(const TKeyStrokes* table) : table_(table) {}
    void CheckNoOtherHas(TShortCut first, TShortCut second) const;

    const TKeyStrokes* table_ = nullptr;
    TKeyCode firstKey_ = 0;
    TShiftState firstShift_;
    TKeyCode secondKey_ = 0;
    TShiftState secondShift_;
    TEditorCommand command_ = ecNone;
};

}  // namespace mirevo
