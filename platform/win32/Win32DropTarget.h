// The COM face of a text-drop sink: the IDropTarget that the platform's drag loop calls.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <exception>
#include <functional>

#include "platform/TextDrops.h"

namespace mirevo {

// Forwards the four IDropTarget steps to a sink (a TURLDropTarget). At a drop it asks the
// dragged data for CF_TEXT in any storage, hands the sink the text of a global memory block
// (up to its first zero byte, never past the block), releases the medium and answers
// GetData's result. Key state and point are never looked at.
//
// The effect answered to the source is copy while the sink welcomes a drag and for a drop
// that handed over text, none otherwise; never move, which makes a source delete what was
// dragged.
//
// Its owner, not its reference count, decides its lifetime: AddRef and Release do nothing.
// No exception escapes into the platform: a step that throws answers E_UNEXPECTED and hands
// the exception to onException, when given (the application's top-level handler).
class Win32DropTarget final : public IDropTarget {
public:
    using ExceptionHandler = std::function<void(std::exception_ptr)>;

    explicit Win32DropTarget(ITextDropSink& sink, ExceptionHandler onException = {});
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

    ITextDropSink& sink_;
    ExceptionHandler onException_;
};

}  // namespace mirevo
