// The menu bar's keyboard, as Windows menu bars behave: Alt (pressed and released alone) or
// F10 highlights the bar; Alt+letter, or the letter while the bar is highlighted, opens that
// menu; Left and Right move between the menus, also while one is open; Up, Down and Enter
// open the highlighted one; Escape steps back one level. The bar never takes the keyboard
// focus: while it is active the host hands it the keys and it answers what to do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/KeyCodes.h"

namespace mirevo {

enum class TMenuBarState : std::uint8_t { Inactive, Highlighted, Open };

// What the host does with a key.
struct TMenuBarStep {
    enum class TAction : std::uint8_t {
        Pass,         // the key is not the bar's: handle it as usual
        Swallow,      // the bar took the key and nothing changes on screen
        Highlight,    // show Menu highlighted on the bar, nothing dropped down
        Open,         // drop Menu down (closing any other)
        Leave,        // the bar is no longer active; the focus stays where it was
        LeaveAndPass  // as Leave, and the key goes on to the focused window
    };
    TAction Action = TAction::Pass;
    std::size_t Menu = 0;
    friend bool operator==(const TMenuBarStep&, const TMenuBarStep&) = default;
};

class TMenuBarKeys {
public:
    // One access key per menu, in the menus' order (an upper-case letter, or 0 for none).
    explicit TMenuBarKeys(std::vector<char> accessKeys);

    TMenuBarState State() const { return state_; }
    // The highlighted or open menu.
    std::size_t Current() const { return current_; }

    // Alt pressed and released with no other key between, or F10: highlights the bar's first
    // menu, or leaves the bar when it is active.
    TMenuBarStep Toggle();
    // Alt with a character: opens the menu with that access key; Pass for any other (the
    // window's own Alt keys: Alt+Space, Alt+F4, the result view's bindings).
    TMenuBarStep AltCharacter(char character);
    // A key while the bar is highlighted; a letter or digit key counts as its character.
    // Keys the bar does not use leave it and pass on.
    TMenuBarStep KeyOnBar(TKeyCode key);
    // A character while the bar is highlighted: the menu with that access key opens; any
    // other character is swallowed, as a menu bar beeps at it.
    TMenuBarStep CharacterOnBar(char character);
    // A key inside the open drop-down: Left and Right move to the neighbouring menu, Escape
    // goes back to the bar; Pass for the keys the drop-down handles itself.
    TMenuBarStep KeyInMenu(TKeyCode key);
    // The mouse opened a menu, or the drop-down closed without a key of the bar (an item was
    // chosen, the user clicked elsewhere), or the window lost the keyboard.
    void OpenedByMouse(std::size_t menu);
    void Closed();

private:
    TMenuBarStep Highlight(std::size_t menu);
    TMenuBarStep Open(std::size_t menu);
    TMenuBarStep Leave();
    std::size_t Neighbour(std::size_t menu, bool right) const;
    // The menu with that access key, or the menus' count.
    std::size_t MenuOf(char character) const;

    std::vector<char> accessKeys_;
    TMenuBarState state_ = TMenuBarState::Inactive;
    std::size_t current_ = 0;
};

// The access key of a caption: the upper-cased character after its "&", or 0.
char AccessKeyOf(const std::string& caption);

}  // namespace mirevo
