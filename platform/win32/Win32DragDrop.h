// The drag-and-drop service on Windows: OleInitialize, RegisterDragDrop, RevokeDragDrop and
// OleUninitialize.
#pragma once

#include <windows.h>

#include "platform/DragDropService.h"
#include "platform/win32/Win32DropTarget.h"

namespace mirevo {

// One for the program's GUI thread. A form creates its drop target with it and its window
// handle:
//     Win32DragDropService dragDrop;  // outlives the forms
//     TURLDropTarget URLDropTarget1(dragDrop, reinterpret_cast<std::uintptr_t>(hwnd));
class Win32DragDropService final : public IDragDropService {
public:
    explicit Win32DragDropService(Win32DropTarget::ExceptionHandler onException = {});

    std::int32_t Initialize() override;
    void Uninitialize() override;
    // window is an HWND.
    std::unique_ptr<IDropRegistration> Register(std::uintptr_t window,
                                                IDropReceiver& receiver) override;

private:
    Win32DropTarget::ExceptionHandler onException_;
};

// A window's drop target, registered for as long as this object lives.
class Win32DropRegistration final : public IDropRegistration {
public:
    Win32DropRegistration(HWND window, IDropReceiver& receiver,
                          Win32DropTarget::ExceptionHandler onException);
    Win32DropRegistration(const Win32DropRegistration&) = delete;
    Win32DropRegistration& operator=(const Win32DropRegistration&) = delete;
    ~Win32DropRegistration() override;

    // RegisterDragDrop's answer.
    HRESULT Result() const { return result_; }
    IDropTarget* Target() { return &target_; }

private:
    HWND window_;
    Win32DropTarget target_;
    HRESULT result_;
};

}  // namespace mirevo
