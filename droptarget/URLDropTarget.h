// TURLDropTarget: lets its owner form's window accept text dragged from another application.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/DragDropReceiver.h"
#include "platform/DragDropService.h"

namespace mirevo {

// Created by its owner form with the platform's drag-and-drop service and the form's window
// handle: it sets the service up on the thread and, only if that set it up afresh (an
// answer of 0), registers itself as the window's drop target. A thread where the service
// was set up before, or where it cannot be, gets no registration and the window takes no
// drops. Destroying the component revokes the registration, so the window may outlive it,
// then balances the set-up (not after a failed one).
//
// On Windows pass a Win32DragDropService (platform/win32/Win32DragDrop.h) and the form's
// HWND as std::uintptr_t.
//
// A drop asks the dragged data for text (CF_TEXT, content, all of it, any storage). Text
// handed over in global memory replaces DroppedText, up to its first zero byte; anything
// else leaves DroppedText as the previous drop left it. OnDrop is raised after every drop,
// and the drop answers the platform with the data request's result. The text is not judged
// here: the owner's OnDrop handler decides what to do with it.
class TURLDropTarget final : public IDropReceiver {
public:
    // Accept arrives as 0 (S_OK); the handler sets the answer for the platform, which is
    // returned unchanged.
    using TDragAcceptEvent = std::function<void(TURLDropTarget& Sender, std::int32_t& Accept)>;
    using TNotifyEvent = std::function<void(TURLDropTarget& Sender)>;

    TURLDropTarget(IDragDropService& dragDrop, std::uintptr_t ownerWindow);
    ~TURLDropTarget() override;
    TURLDropTarget(const TURLDropTarget&) = delete;
    TURLDropTarget& operator=(const TURLDropTarget&) = delete;

    // The text of the most recent text drop; empty until the first.
    const std::string& DroppedText() const { return droppedText_; }

    // Raised as a drag enters, moves over and leaves the window; with no handler the drag is
    // accepted (S_OK).
    TDragAcceptEvent OnDragEnter;
    TDragAcceptEvent OnDragOver;
    TDragAcceptEvent OnDragLeave;
    // Raised at a drop before the data is fetched, so DroppedText is still the previous one.
    TNotifyEvent OnBeforeDrop;
    // Raised after every drop, whether or not it brought text.
    TNotifyEvent OnDrop;

    // Called by the platform through the registration (and by tests directly).
    std::int32_t DragEnter() override;
    std::int32_t DragOver() override;
    std::int32_t DragLeave() override;
    std::int32_t Drop(IDragData& data) override;
    bool DropTookText() const override { return dropTookText_; }

    // The request a drop makes of the dragged data.
    static constexpr DragDataFormat kTextRequest{kClipFormatText, kAspectContent, kAllOfTheData,
                                                 kAnyStorage};

private:
    std::int32_t Ask(const TDragAcceptEvent& event);
    void TakeText(const IDragMedium& medium);

    IDragDropService& dragDrop_;
    bool initialized_ = false;
    std::unique_ptr<IDropRegistration> registration_;
    std::string droppedText_;
    bool dropTookText_ = false;
};

}  // namespace mirevo
