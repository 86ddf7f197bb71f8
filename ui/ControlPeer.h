// The bridge from a control to a native window. A control without a peer runs headless.
#pragma once

#include <cstdint>

namespace mirevo {

class TControl;
class IEditTarget;

// What changed in a control's state, for its peer to mirror.
enum class TControlState : std::uint8_t {
    Text,
    Bounds,
    Enabled,
    Visible,
    Color,
    Font,
    Checked,
    ActivePage,
    ReadOnly,
    Frame,     // the control's border style
    Rows,      // a list's row count or the texts of its rows
    Selection  // a list's selected rows
};

class IControlPeer {
public:
    virtual ~IControlPeer() = default;
    // The control's state named by what changed; the peer reads the new value from it.
    virtual void StateChanged(TControlState what) = 0;
    virtual void SetFocus() = 0;
    virtual bool Focused() const = 0;
    // The native window, as an opaque number (for components that register it elsewhere).
    virtual std::uintptr_t Handle() const = 0;
    // The native text's edit operations, or null for controls that hold no editable text.
    virtual IEditTarget* EditOperations() { return nullptr; }
};

}  // namespace mirevo
