#include "platform/win32/Win32TextDrops.h"

#include <utility>

namespace mirevo {

Win32TextDrops::Win32TextDrops(Win32DropTarget::ExceptionHandler onException)
    : onException_(std::move(onException)) {}

std::unique_ptr<ITextDropRegistration> Win32TextDrops::RegisterTextDrops(std::uintptr_t window,
                                                                         ITextDropSink& sink) {
    return std::make_unique<Win32TextDropRegistration>(reinterpret_cast<HWND>(window), sink,
                                                       onException_);
}

Win32TextDropRegistration::Win32TextDropRegistration(HWND window, ITextDropSink& sink,
                                                     Win32DropTarget::ExceptionHandler onException)
    : window_(window), target_(sink, std::move(onException)), oleResult_(OleInitialize(nullptr)) {
    // S_FALSE means another part of the thread set OLE up; its drop target stays its own.
    if (oleResult_ == S_OK) registered_ = RegisterDragDrop(window_, &target_);
}

Win32TextDropRegistration::~Win32TextDropRegistration() {
    // Only our own registration is revoked, never one another target holds on the window.
    if (registered_ == S_OK) RevokeDragDrop(window_);
    if (SUCCEEDED(oleResult_)) OleUninitialize();
}

}  // namespace mirevo
