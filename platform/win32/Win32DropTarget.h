// The COM face of a drop receiver: the IDropTarget that the platform's drag loop calls.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <exception>
#include <functional>

#include "platform/DragDropReceiver.h"

namespace mirevo {

// Forwards the four IDropTarget steps to a receiver (a TURLDropTarget), handing it the
// dragged IDataObject as an IDragData. Key state, point and effect are never touched.
//
// Its owner, not its reference count, decides its lifetime: AddRef and Release do nothing.
// No exception escapes into the platform: a step that throws answers E_UNEXPECTED and hands
// the exception to onException, when given (the application's top-level handler).
class Win32DropTarget final : public IDropTarget {
public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    explicit Win32DropTarget(IDropReceiver& receiver, ExceptionHandler onException = {});
    Win32DropTarget(const Win32DropTarget&) = delete;
    Win32DropTarget& operator=(const Win32DropTarget&) = delete;
    virtual ~Win32DropTarget() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

private:
    template <typename Step>
    HRESULT Guarded(Step step) noexcept;

    IDropReceiver& receiver_;
    ExceptionHandler onException_;
};

}  // namespace mirevo
