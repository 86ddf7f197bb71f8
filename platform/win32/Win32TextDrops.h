// Text drops on Windows: OLE set up on the thread and a window's drop target registered.
#pragma once

#include <windows.h>

#include "platform/TextDrops.h"
#include "platform/win32/Win32DropTarget.h"

namespace mirevo {

// One for the program's GUI thread; it outlives the forms that register on it:
//     Win32TextDrops drops;
//     TURLDropTarget URLDropTarget1(drops, reinterpret_cast<std::uintptr_t>(hwnd));
class Win32TextDrops final : public ITextDrops {
public:
    explicit Win32TextDrops(Win32DropTarget::ExceptionHandler onException = {});

    // window is an HWND.
    std::unique_ptr<ITextDropRegistration> RegisterTextDrops(std::uintptr_t window,
                                                             ITextDropSink& sink) override;

private:
    Win32DropTarget::ExceptionHandler onException_;
};

// OleInitialize at creation; RegisterDragDrop only when that answered S_OK. The destructor
// revokes what it registered and balances a successful OleInitialize (S_FALSE included).
class Win32TextDropRegistration final : public ITextDropRegistration {
public:
    Win32TextDropRegistration(HWND window, ITextDropSink& sink,
                              Win32DropTarget::ExceptionHandler onException);
    Win32TextDropRegistration(const Win32TextDropRegistration&) = delete;
    Win32TextDropRegistration& operator=(const Win32TextDropRegistration&) = delete;
    ~Win32TextDropRegistration() override;

    bool Registered() const override { return registered_ == S_OK; }
    HRESULT OleResult() const { return oleResult_; }
    IDropTarget* Target() { return &target_; }

private:
    HWND window_;
    Win32DropTarget target_;
    HRESULT oleResult_;
    HRESULT registered_ = E_FAIL;
};

}  // namespace mirevo
