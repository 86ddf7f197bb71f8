#include "common/KeyCodes.h"

#include <string_view>

namespace mirevo {

namespace {

struct TKeyName {
    TKeyCode Key;
    std::string_view Name;
};

constexpr TKeyName kKeyNames[] = {
    {kKeyBack, "BkSp"},   {kKeyTab, "Tab"},    {kKeyReturn, "Enter"}, {kKeyEscape, "Esc"},
    {kKeySpace, "Space"}, {kKeyPrior, "PgUp"}, {kKeyNext, "PgDn"},    {kKeyEnd, "End"},
    {kKeyHome, "Home"},   {kKeyLeft, "Left"},  {kKeyUp, "Up"},        {kKeyRight, "Right"},
    {kKeyDown, "Down"},   {kKeyInsert, "Ins"}, {kKeyDelete, "Del"},
};

constexpr TKeyCode kKeyF24 = kKeyF1 + 23;

std::string KeyName(TKeyCode key) {
    for (const auto& entry : kKeyNames) {
        if (entry.Key == key) return std::string(entry.Name);
    }
    if ((key >= KeyOf('0') && key <= KeyOf('9')) || (key >= KeyOf('A') && key <= KeyOf('Z'))) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= kKeyF1 && key <= kKeyF24) return "F" + std::to_string(key - kKeyF1 + 1);
    return {};
}

}  // namespace

TShortCut ShortCut(TKeyCode key, TShiftState shift) {
    if (key > 0xFF) return 0;
    unsigned result = key;
    if (shift.Contains(TShiftFlag::ssShift)) result |= kShortCutShift;
    if (shift.Contains(TShiftFlag::ssCtrl)) result |= kShortCutCtrl;
    if (shift.Contains(TShiftFlag::ssAlt)) result |= kShortCutAlt;
    return static_cast<TShortCut>(result);
}

void ShortCutToKey(TShortCut shortCut, TKeyCode& key, TShiftState& shift) {
    key = static_cast<TKeyCode>(shortCut & 0xFF);
    shift = {};
    if (shortCut & kShortCutShift) shift.Include(TShiftFlag::ssShift);
    if (shortCut & kShortCutCtrl) shift.Include(TShiftFlag::ssCtrl);
    if (shortCut & kShortCutAlt) shift.Include(TShiftFlag::ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(static_cast<TKeyCode>(shortCut & 0xFF));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & kShortCutShift) text += "Shift+";
    if (shortCut & kShortCutCtrl) text += "Ctrl+";
    if (shortCut & kShortCutAlt) text += "Alt+";
    return text + name;
}

}  // namespace mirevo
