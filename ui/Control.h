// TControl: a control's state as plain members, its place in the parent tree and its peer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/Color.h"
#include "ui/ControlPeer.h"
#include "ui/Font.h"
#include "ui/Geometry.h"
#include "ui/Object.h"

namespace mirevo {

class TForm;
class IEditTarget;

enum class TControlKind : std::uint8_t {
    Form,
    Label,
    Edit,
    Memo,
    Button,
    CheckBox,
    GroupBox,
    Panel,
    Image,
    PageControl,
    TabSheet,
    MenuBar,
    ToolBar,
    ListView,
    Custom  // a control of another layer made on this model
};

class TControl : public TObject {
public:
    // Registers the control with its parent (null for a form). The parent must outlive it.
    TControl(TControl* parent, std::string name, TControlKind kind);
    ~TControl() override;

    const std::string& Name() const { return name_; }
    TControlKind Kind() const { return kind_; }
    TControl* Parent() const { return parent_; }
    const std::vector<TControl*>& Children() const { return children_; }
    TForm* OwnerForm();

    // Caption of labels, buttons, tabs and forms; text of edits.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    const TBounds& Bounds() const { return bounds_; }
    void SetBounds(const TBounds& bounds);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The font of the control: its own, or its parent's while it has none.
    const TFontSpec& Font() const;
    void SetFont(const TFontSpec& font);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    // Client size that children are laid out in; a parent's size change moves and stretches
    // its children by their anchors, once for each change however it arrives (a native window
    // reports the change back while it is being made).
    virtual TSize ClientSize() const { return {bounds_.Width, bounds_.Height}; }
    void ClientResized();
    // Puts aligned children in place without moving anchored ones.
    void Realign();

    // The peer: set once when the native window is made, dropped when it goes.
    IControlPeer* Peer() const { return peer_.get(); }
    void AttachPeer(std::unique_ptr<IControlPeer> peer);
    std::unique_ptr<IControlPeer> DetachPeer();
    void SetFocus();
    bool Focused() const;

    // The control's editable text for the standard edit actions, or null.
    virtual IEditTarget* AsEditTarget() { return nullptr; }

protected:
    void Notify(TControlState what);

    // While it lives, the control's state changes are not echoed to its own peer: they came
    // from the native window, which already shows them. Children still follow.
    class TNativeChange {
    public:
        explicit TNativeChange(TControl& control) : control_(control) { ++control_.nativeChanges_; }
        ~TNativeChange() { --control_.nativeChanges_; }
        TNativeChange(const TNativeChange&) = delete;
        TNativeChange& operator=(const TNativeChange&) = delete;

    private:
        TControl& control_;
    };

private:
    void LayOutChildren();

    TControl* parent_;
    std::string name_;
    TControlKind kind_;
    std::vector<TControl*> children_;
    std::string caption_;
    TBounds bounds_;
    TSize laidOutFor_;  // the client size the children were last placed for
    TAnchors anchors_ = kDefaultAnchors;
    TAlign align_ = TAlign::alNone;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = false;
    TColor color_ = clBtnFace;
    std::unique_ptr<TFontSpec> font_;
    std::unique_ptr<IControlPeer> peer_;
    int nativeChanges_ = 0;
};

}  // namespace mirevo
