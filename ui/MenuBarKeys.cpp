#include "ui/MenuBarKeys.h"

#include <cctype>
#include <string>

namespace mirevo {

namespace {
char Upper(char character) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
}
}  // namespace

char AccessKeyOf(const std::string& caption) {
    const auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
    return Upper(caption[amp + 1]);
}

TMenuBarKeys::TMenuBarKeys(std::vector<char> accessKeys) : accessKeys_(std::move(accessKeys)) {
    for (char& key : accessKeys_) key = Upper(key);
}

TMenuBarStep TMenuBarKeys::Toggle() {
    if (accessKeys_.empty()) return {};
    if (state_ != TMenuBarState::Inactive) return Leave();
    return Highlight(0);
}

TMenuBarStep TMenuBarKeys::AltCharacter(char character) {
    const std::size_t menu = MenuOf(character);
    if (menu == accessKeys_.size()) return {};
    return Open(menu);
}

TMenuBarStep TMenuBarKeys::KeyOnBar(TKeyCode key) {
    if (state_ != TMenuBarState::Highlighted) return {};
    switch (key) {
        case kKeyLeft:
        case kKeyRight:
            return Highlight(Neighbour(current_, key == kKeyRight));
        case kKeyUp:
        case kKeyDown:
        case kKeyReturn:
            return Open(current_);
        case kKeyEscape:
            return Leave();
        default:
            break;
    }
    // A letter or digit key is its character; modifiers do not change the bar.
    const bool character = (key >= KeyOf('0') && key <= KeyOf('9')) ||
                           (key >= KeyOf('A') && key <= KeyOf('Z')) || key == kKeySpace;
    if (character) return CharacterOnBar(static_cast<char>(key));
    if (key == kKeyShift || key == kKeyControl || key == kKeyMenu) {
        return {TMenuBarStep::TAction::Swallow};
    }
    Leave();
    return {TMenuBarStep::TAction::LeaveAndPass, current_};
}

TMenuBarStep TMenuBarKeys::CharacterOnBar(char character) {
    if (state_ != TMenuBarState::Highlighted) return {};
    const std::size_t menu = MenuOf(character);
    if (menu == accessKeys_.size()) return {TMenuBarStep::TAction::Swallow};
    return Open(menu);
}

TMenuBarStep TMenuBarKeys::KeyInMenu(TKeyCode key) {
    if (state_ != TMenuBarState::Open) return {};
    switch (key) {
        case kKeyLeft:
        case kKeyRight:
            return Open(Neighbour(current_, key == kKeyRight));
        case kKeyEscape:
            return Highlight(current_);
        default:
            return {};
    }
}

void TMenuBarKeys::OpenedByMouse(std::size_t menu) { Open(menu); }

void TMenuBarKeys::Closed() { state_ = TMenuBarState::Inactive; }

TMenuBarStep TMenuBarKeys::Highlight(std::size_t menu) {
    state_ = TMenuBarState::Highlighted;
    current_ = menu;
    return {TMenuBarStep::TAction::Highlight, menu};
}

TMenuBarStep TMenuBarKeys::Open(std::size_t menu) {
    state_ = TMenuBarState::Open;
    current_ = menu;
    return {TMenuBarStep::TAction::Open, menu};
}

TMenuBarStep TMenuBarKeys::Leave() {
    state_ = TMenuBarState::Inactive;
    return {TMenuBarStep::TAction::Leave, current_};
}

std::size_t TMenuBarKeys::Neighbour(std::size_t menu, bool right) const {
    const std::size_t count = accessKeys_.size();
    return right ? (menu + 1) % count : (menu + count - 1) % count;
}

std::size_t TMenuBarKeys::MenuOf(char character) const {
    const char wanted = Upper(character);
    for (std::size_t i = 0; i < accessKeys_.size(); ++i) {
        if (wanted != 0 && accessKeys_[i] == wanted) return i;
    }
    return accessKeys_.size();
}

}  // namespace mirevo
