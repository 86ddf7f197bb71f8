// The standard controls: label, push button, check box, group box and panel.
#pragma once

#include "ui/Control.h"

namespace mirevo {

class TLabel : public TControl {
public:
    TLabel(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::Label) {}
    // Word-wrapping labels keep their width; the others size themselves to their text.
    bool WordWrap = false;
    // Text set flush against the right edge of the box (labels that stand left of an edit).
    bool RightAligned = false;
    // The hand cursor, for labels that act as links.
    bool HandCursor = false;
    TColor FontColor = clWindowText;
    TNotifyEvent OnClick;
    void Click() { Fire(OnClick, this); }
};

class TButton : public TControl {
public:
    TButton(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::Button) {
        SetTabStop(true);
    }
    // The default button answers the Enter key, the cancel button the Escape key (one button
    // may be both).
    bool Default = false;
    bool Cancel = false;
    // A button with a modal result sets it on its form when clicked, after OnClick.
    std::int32_t ModalResult = 0;
    TNotifyEvent OnClick;
    void Click();
};

class TCheckBox : public TControl {
public:
    TCheckBox(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::CheckBox) {
        SetTabStop(true);
    }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // The user clicked the native box.
    void NativeCheckedChanged(bool checked) { checked_ = checked; }

private:
    bool checked_ = false;
};

class TGroupBox : public TControl {
public:
    TGroupBox(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::GroupBox) {}
};

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised };

class TPanel : public TControl {
public:
    TPanel(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::Panel) {}
    TBevelCut BevelInner = TBevelCut::bvNone;
    TBevelCut BevelOuter = TBevelCut::bvRaised;
};

// A picture drawn from a bitmap resource, stretched to the control's box.
class TImage : public TControl {
public:
    TImage(TControl* parent, std::string name)
        : TControl(parent, std::move(name), TControlKind::Image) {}
    std::string ResourceName;
};

}  // namespace mirevo
