#include "ui/ShortCut.h"

namespace mirevo {

namespace {

std::string KeyName(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
    switch (key) {
        case 0x08: return "BkSp";
        case 0x09: return "Tab";
        case vkReturn: return "Enter";
        case 0x1B: return "Esc";
        case 0x20: return "Space";
        case 0x21: return "PgUp";
        case 0x22: return "PgDn";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "Left";
        case 0x26: return "Up";
        case 0x27: return "Right";
        case 0x28: return "Down";
        case vkInsert: return "Ins";
        case vkDelete: return "Del";
        default: return "";
    }
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyName(static_cast<std::uint8_t>(shortCut & 0xFF));
    if (name.empty()) return "";
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

}  // namespace mirevo
