#include "droptarget/URLDropTarget.h"

namespace mirevo {

TURLDropTarget::TURLDropTarget(ITextDrops& drops, std::uintptr_t ownerWindow)
    : registration_(drops.RegisterTextDrops(ownerWindow, *this)) {}

// Revoked first: the platform must not call into a destroyed component, and the window may
// outlive it.
TURLDropTarget::~TURLDropTarget() { registration_.reset(); }

std::int32_t TURLDropTarget::DragEnter() { return Ask(OnDragEnter); }

std::int32_t TURLDropTarget::DragOver() { return Ask(OnDragOver); }

std::int32_t TURLDropTarget::DragLeave() { return Ask(OnDragLeave); }

void TURLDropTarget::BeforeDrop() {
    if (OnBeforeDrop) OnBeforeDrop(*this);
}

void TURLDropTarget::Dropped(const std::optional<std::string>& text) {
    if (text) droppedText_ = *text;
    if (OnDrop) OnDrop(*this);
}

std::int32_t TURLDropTarget::Ask(const TDragAcceptEvent& event) {
    std::int32_t accept = 0;
    if (event) event(*this, accept);
    return accept;
}

}  // namespace mirevo
