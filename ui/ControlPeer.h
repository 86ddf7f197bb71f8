// The bridge from a control to a native window. A control without a peer runs headless.
#pragma once

#include <cstdint>

namespace mirevo {

class TControl;

// What changed in a control's state, for its peer to mirror.
enum class TControlState : std::uint8_t {
    Text, Bounds, Enabled, Visible, Color, Font, Checked, ActivePage, ReadOnly
};

// Operations on the native text of an edit, used by the standard edit actions.
class IEditOperations {
public:
    virtual ~IEditOperations() = default;
    virtual bool HasSelection() const = 0;
    virtual bool CanUndo() const = 0;
    virtual void Undo() = 0;
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    virtual void DeleteSelection() = 0;
    virtual void SelectAll() = 0;
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
    // Native edit operations, or null for controls that hold no editable text.
    virtual IEditOperations* EditOperations() { return nullptr; }
};

}  // namespace mirevo
