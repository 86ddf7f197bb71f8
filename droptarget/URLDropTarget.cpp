#include "droptarget/URLDropTarget.h"

#include <algorithm>

namespace mirevo {

TURLDropTarget::TURLDropTarget(IDragDropService& dragDrop, std::uintptr_t ownerWindow)
    : dragDrop_(dragDrop) {
    const std::int32_t result = dragDrop_.Initialize();
    initialized_ = result >= 0;
    if (result != 0) return;
    try {
        registration_ = dragDrop_.Register(ownerWindow, *this);
    } catch (...) {
        dragDrop_.Uninitialize();  // no destructor runs for a half-built component
        throw;
    }
}

TURLDropTarget::~TURLDropTarget() {
    // Revoked first: the platform must not call into a destroyed component, and the window
    // may outlive it.
    registration_.reset();
    if (initialized_) dragDrop_.Uninitialize();
}

std::int32_t TURLDropTarget::DragEnter() { return Ask(OnDragEnter); }

std::int32_t TURLDropTarget::DragOver() { return Ask(OnDragOver); }

std::int32_t TURLDropTarget::DragLeave() { return Ask(OnDragLeave); }

std::int32_t TURLDropTarget::Drop(IDragData& data) {
    if (OnBeforeDrop) OnBeforeDrop(*this);
    IDragData::Result fetched = data.GetData(kTextRequest);
    dropTookText_ = fetched.result == 0 && fetched.medium &&
                    fetched.medium->StorageKind() == kStorageGlobalMemory;
    if (dropTookText_) TakeText(*fetched.medium);
    // Released whatever its kind: nothing else would ever free it.
    fetched.medium.reset();
    if (OnDrop) OnDrop(*this);
    return fetched.result;
}

std::int32_t TURLDropTarget::Ask(const TDragAcceptEvent& event) {
    std::int32_t accept = 0;
    if (event) event(*this, accept);
    return accept;
}

void TURLDropTarget::TakeText(const IDragMedium& medium) {
    medium.ReadGlobalMemory([this](std::span<const std::uint8_t> bytes) {
        // The block's size bounds a text whose source forgot the zero byte.
        const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
        droppedText_.assign(bytes.begin(), end);
    });
}

}  // namespace mirevo
