#include "textview/KeyStrokes.h"

#include <algorithm>
#include <array>

namespace mirevo {

namespace {

struct TDefaultBinding {
    TKeyCode Key;
    TShiftState Shift;
    TEditorCommand Command;
};

using enum TShiftFlag;
constexpr TShiftState kNone{};
constexpr TShiftState kShift{ssShift};
constexpr TShiftState kCtrl{ssCtrl};
constexpr TShiftState kAlt{ssAlt};
constexpr TShiftState kCtrlShift{ssShift, ssCtrl};
constexpr TShiftState kAltShift{ssShift, ssAlt};

constexpr std::array<TDefaultBinding, TKeyStrokes::kDefaultBindingCount> kDefaultBindings{{
    {kKeyUp, kNone, ecUp},
    {kKeyUp, kShift, ecSelUp},
    {kKeyUp, kCtrl, ecScrollUp},
    {kKeyDown, kNone, ecDown},
    {kKeyDown, kShift, ecSelDown},
    {kKeyDown, kCtrl, ecScrollDown},
    {kKeyLeft, kNone, ecLeft},
    {kKeyLeft, kShift, ecSelLeft},
    {kKeyLeft, kCtrl, ecWordLeft},
    {kKeyLeft, kCtrlShift, ecSelWordLeft},
    {kKeyRight, kNone, ecRight},
    {kKeyRight, kShift, ecSelRight},
    {kKeyRight, kCtrl, ecWordRight},
    {kKeyRight, kCtrlShift, ecSelWordRight},
    {kKeyNext, kNone, ecPageDown},
    {kKeyNext, kShift, ecSelPageDown},
    {kKeyNext, kCtrl, ecPageBottom},
    {kKeyNext, kCtrlShift, ecSelPageBottom},
    {kKeyPrior, kNone, ecPageUp},
    {kKeyPrior, kShift, ecSelPageUp},
    {kKeyPrior, kCtrl, ecPageTop},
    {kKeyPrior, kCtrlShift, ecSelPageTop},
    {kKeyHome, kNone, ecLineStart},
    {kKeyHome, kShift, ecSelLineStart},
    {kKeyHome, kCtrl, ecEditorTop},
    {kKeyHome, kCtrlShift, ecSelEditorTop},
    {kKeyEnd, kNone, ecLineEnd},
    {kKeyEnd, kShift, ecSelLineEnd},
    {kKeyEnd, kCtrl, ecEditorBottom},
    {kKeyEnd, kCtrlShift, ecSelEditorBottom},
    {kKeyInsert, kNone, ecToggleMode},
    {kKeyInsert, kCtrl, ecCopy},
    {kKeyDelete, kShift, ecCut},
    {kKeyInsert, kShift, ecPaste},
    {kKeyDelete, kNone, ecDeleteChar},
    {kKeyBack, kNone, ecDeleteLastChar},
    {kKeyBack, kShift, ecDeleteLastChar},
    {kKeyBack, kCtrl, ecDeleteLastWord},
    {kKeyBack, kAlt, ecUndo},
    {kKeyBack, kAltShift, ecRedo},
    {kKeyReturn, kNone, ecLineBreak},
    {kKeyReturn, kShift, ecLineBreak},
    {kKeyTab, kNone, ecTab},
    {kKeyTab, kShift, ecShiftTab},
    {kKeyF1, kNone, ecContextHelp},
    {KeyOf('A'), kCtrl, ecSelectAll},
    {KeyOf('C'), kCtrl, ecCopy},
    {KeyOf('V'), kCtrl, ecPaste},
    {KeyOf('X'), kCtrl, ecCut},
    {KeyOf('I'), kCtrlShift, ecBlockIndent},
    {KeyOf('U'), kCtrlShift, ecBlockUnindent},
    {KeyOf('M'), kCtrl, ecLineBreak},
    {KeyOf('N'), kCtrl, ecInsertLine},
    {KeyOf('T'), kCtrl, ecDeleteWord},
    {KeyOf('Y'), kCtrl, ecDeleteLine},
    {KeyOf('Y'), kCtrlShift, ecDeleteEOL},
    {KeyOf('Z'), kCtrl, ecUndo},
    {KeyOf('Z'), kCtrlShift, ecRedo},
    {KeyOf('0'), kCtrl, ecGotoMarker0},
    {KeyOf('1'), kCtrl, ecGotoMarker1},
    {KeyOf('2'), kCtrl, ecGotoMarker2},
    {KeyOf('3'), kCtrl, ecGotoMarker3},
    {KeyOf('4'), kCtrl, ecGotoMarker4},
    {KeyOf('5'), kCtrl, ecGotoMarker5},
    {KeyOf('6'), kCtrl, ecGotoMarker6},
    {KeyOf('7'), kCtrl, ecGotoMarker7},
    {KeyOf('8'), kCtrl, ecGotoMarker8},
    {KeyOf('9'), kCtrl, ecGotoMarker9},
    {KeyOf('0'), kCtrlShift, ecSetMarker0},
    {KeyOf('1'), kCtrlShift, ecSetMarker1},
    {KeyOf('2'), kCtrlShift, ecSetMarker2},
    {KeyOf('3'), kCtrlShift, ecSetMarker3},
    {KeyOf('4'), kCtrlShift, ecSetMarker4},
    {KeyOf('5'), kCtrlShift, ecSetMarker5},
    {KeyOf('6'), kCtrlShift, ecSetMarker6},
    {KeyOf('7'), kCtrlShift, ecSetMarker7},
    {KeyOf('8'), kCtrlShift, ecSetMarker8},
    {KeyOf('9'), kCtrlShift, ecSetMarker9},
    {KeyOf('N'), kCtrlShift, ecNormalSelect},
    {KeyOf('C'), kCtrlShift, ecColumnSelect},
    {KeyOf('L'), kCtrlShift, ecLineSelect},
    {KeyOf('B'), kCtrlShift, ecMatchBracket},
}};

}  // namespace

TKeyStroke& TKeyStrokes::Items(std::int32_t index) {
    MIREVO_ASSERT(index >= 0 && index < Count());
    return *items_[static_cast<std::size_t>(index)];
}

const TKeyStroke& TKeyStrokes::Items(std::int32_t index) const {
    MIREVO_ASSERT(index >= 0 && index < Count());
    return *items_[static_cast<std::size_t>(index)];
}

std::int32_t TKeyStrokes::IndexOf(const TKeyStroke& item) const {
    const auto found =
        std::ranges::find_if(items_, [&](const auto& own) { return own.get() == &item; });
    return found == items_.end() ? -1 : static_cast<std::int32_t>(found - items_.begin());
}

TKeyStroke& TKeyStrokes::AppendItem() {
    items_.push_back(std::unique_ptr<TKeyStroke>(new TKeyStroke(this)));
    return *items_.back();
}

// The item is filled before it joins the table, so a failure leaves the table as it was.
TKeyStroke& TKeyStrokes::AppendBinding(TEditorCommand command, TKeyCode key, TShiftState shift) {
    auto item = std::unique_ptr<TKeyStroke>(new TKeyStroke(this));
    item->SetFirstKey(key);
    item->SetFirstShift(shift);
    item->SetCommand(command);
    items_.push_back(std::move(item));
    return *items_.back();
}

void TKeyStrokes::Delete(std::int32_t index) {
    MIREVO_ASSERT(index >= 0 && index < Count());
    items_.erase(items_.begin() + index);
}

void TKeyStrokes::Assign(const TKeyStrokes& source) {
    if (&source == this) return;
    Clear();
    for (const auto& item : source.items_) AppendItem().Assign(*item);
}

template <class Match>
std::int32_t TKeyStrokes::FindFirst(Match match) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (match(*items_[static_cast<std::size_t>(i)])) return i;
    }
    return -1;
}

std::int32_t TKeyStrokes::FindOneStroke(TKeyCode key, TShiftState shift) const {
    shift = shift.Modifiers();
    return FindFirst([&](const TKeyStroke& item) {
        return item.FirstKey() == key && item.FirstShift() == shift && item.SecondKey() == 0;
    });
}

std::int32_t TKeyStrokes::FindTwoStroke(TKeyCode key, TShiftState shift, TKeyCode key2,
                                        TShiftState shift2) const {
    shift = shift.Modifiers();
    shift2 = shift2.Modifiers();
    return FindFirst([&](const TKeyStroke& item) {
        return item.FirstKey() == key && item.FirstShift() == shift && item.SecondKey() == key2 &&
               item.SecondShift() == shift2;
    });
}

std::int32_t TKeyStrokes::FindShortCutPair(TShortCut shortCut, TShortCut shortCut2) const {
    return FindFirst([&](const TKeyStroke& item) {
        return item.ShortCut() == shortCut && item.ShortCut2() == shortCut2;
    });
}

void TKeyStrokes::InstallDefaults() {
    Clear();
    for (const auto& binding : kDefaultBindings) {
        AppendBinding(binding.Command, binding.Key, binding.Shift);
    }
}

}  // namespace mirevo
