#include "ui/Control.h"

#include <algorithm>

#include "ui/Form.h"

namespace mirevo {

namespace {
const TFontSpec kSystemFont{"MS UI Gothic", -12, kShiftJisCharSet};
}  // namespace

TControl::TControl(TControl* parent, std::string name, TControlKind kind)
    : parent_(parent), name_(std::move(name)), kind_(kind) {
    if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl() {
    peer_.reset();
    if (parent_) std::erase(parent_->children_, this);
}

TForm* TControl::OwnerForm() {
    TControl* control = this;
    while (control->parent_) control = control->parent_;
    return control->kind_ == TControlKind::Form ? static_cast<TForm*>(control) : nullptr;
}

void TControl::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Notify(TControlState::Text);
}

void TControl::SetBounds(const TBounds& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Notify(TControlState::Bounds);
    ClientResized();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(TControlState::Enabled);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Notify(TControlState::Visible);
}

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Notify(TControlState::Color);
}

const TFontSpec& TControl::Font() const {
    if (font_) return *font_;
    return parent_ ? parent_->Font() : kSystemFont;
}

void TControl::SetFont(const TFontSpec& font) {
    font_ = std::make_unique<TFontSpec>(font);
    Notify(TControlState::Font);
}

void TControl::ClientResized() {
    if (ClientSize() == laidOutFor_) return;
    LayOutChildren();
}

void TControl::Realign() { LayOutChildren(); }

namespace {
// A control anchored to both opposite edges stretches; anchored to the far edge only, it moves.
void StretchOrMove(TAnchors anchors, std::int32_t dx, std::int32_t dy, TBounds& r) {
    if (anchors & akRight) {
        if (anchors & akLeft) {
            r.Width += dx;
        } else {
            r.Left += dx;
        }
    }
    if (anchors & akBottom) {
        if (anchors & akTop) {
            r.Height += dy;
        } else {
            r.Top += dy;
        }
    }
}
}  // namespace

// Aligned children stack at the top at full width; the others keep their distances to the
// edges named by their anchors, stretching when anchored to both opposite edges.
void TControl::LayOutChildren() {
    const TSize after = ClientSize();
    const std::int32_t dx = after.Width - laidOutFor_.Width;
    const std::int32_t dy = after.Height - laidOutFor_.Height;
    laidOutFor_ = after;
    std::int32_t top = 0;
    for (TControl* child : children_) {
        TBounds r = child->bounds_;
        if (child->align_ == TAlign::alTop) {
            r = {0, top, after.Width, r.Height};
            top += r.Height;
        } else if (child->align_ == TAlign::alClient) {
            r = {0, top, after.Width, std::max(0, after.Height - top)};
        } else {
            StretchOrMove(child->anchors_, dx, dy, r);
        }
        child->SetBounds(r);
    }
}

void TControl::AttachPeer(std::unique_ptr<IControlPeer> peer) { peer_ = std::move(peer); }

std::unique_ptr<IControlPeer> TControl::DetachPeer() { return std::move(peer_); }

void TControl::SetFocus() {
    if (peer_) peer_->SetFocus();
    if (TForm* form = OwnerForm()) form->SetActiveControl(this);
}

bool TControl::Focused() const {
    if (peer_) return peer_->Focused();
    const TForm* form = const_cast<TControl*>(this)->OwnerForm();
    return form && form->ActiveControl() == this;
}

void TControl::Notify(TControlState what) {
    if (peer_ && nativeChanges_ == 0) peer_->StateChanged(what);
}

}  // namespace mirevo
