#include "platform/win32/Win32DragDrop.h"

#include <utility>

namespace mirevo {

Win32DragDropService::Win32DragDropService(Win32DropTarget::ExceptionHandler onException)
    : onException_(std::move(onException)) {}

std::int32_t Win32DragDropService::Initialize() { return OleInitialize(nullptr); }

void Win32DragDropService::Uninitialize() { OleUninitialize(); }

std::unique_ptr<IDropRegistration> Win32DragDropService::Register(std::uintptr_t window,
                                                                  IDropReceiver& receiver) {
    return std::make_unique<Win32DropRegistration>(reinterpret_cast<HWND>(window), receiver,
                                                   onException_);
}

Win32DropRegistration::Win32DropRegistration(HWND window, IDropReceiver& receiver,
                                             Win32DropTarget::ExceptionHandler onException)
    : window_(window),
      target_(receiver, std::move(onException)),
      result_(RegisterDragDrop(window, &target_)) {}

Win32DropRegistration::~Win32DropRegistration() {
    // Only our own registration is revoked, never one another target holds on the window.
    if (result_ == S_OK) RevokeDragDrop(window_);
}

}  // namespace mirevo
