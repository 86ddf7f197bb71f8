// TURLDropTarget: lets its owner form's window accept text dragged from another application.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/TextDrops.h"

namespace mirevo {

// Created by its owner form with the platform's text drops and the form's window handle, it
// registers itself as the window's drop target (the platform registers only where it set
// drag and drop up afresh; see ITextDrops). Destroying the component revokes the
// registration, so the window may outlive it.
//
// On Windows pass a Win32TextDrops (platform/win32/Win32DragDrop.h) and the form's HWND as
// std::uintptr_t.
//
// A drop that hands over text replaces DroppedText; any other leaves DroppedText as the
// previous drop left it. OnDrop is raised after every drop. The text is not judged here: the
// owner's OnDrop handler decides what to do with it.
class TURLDropTarget final : public ITextDropSink {
public:
    // Accept arrives as 0 (S_OK); the handler sets the answer for the platform, which is
    // returned unchanged.
    using TDragAcceptEvent = std::function<void(TURLDropTarget& Sender, std::int32_t& Accept)>;
    using TNotifyEvent = std::function<void(TURLDropTarget& Sender)>;

    TURLDropTarget(ITextDrops& drops, std::uintptr_t ownerWindow);
    ~TURLDropTarget() override;
    TURLDropTarget(const TURLDropTarget&) = delete;
    TURLDropTarget& operator=(const TURLDropTarget&) = delete;

    // The text of the most recent text drop; empty until the first.
    const std::string& DroppedText() const { return droppedText_; }
    // Whether the window takes drops.
    bool Registered() const { return registration_ && registration_->Registered(); }

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
    void BeforeDrop() override;
    void Dropped(const std::optional<std::string>& text) override;

private:
    std::int32_t Ask(const TDragAcceptEvent& event);

    std::unique_ptr<ITextDropRegistration> registration_;
    std::string droppedText_;
};

}  // namespace mirevo
