#include "platform/win32/Win32DropTarget.h"

#include <memory>
#include <utility>

namespace mirevo {

namespace {

// A medium from IDataObject::GetData; released to the platform when destroyed.
class Win32DragMedium final : public IDragMedium {
public:
    explicit Win32DragMedium(const STGMEDIUM& medium) : medium_(medium) {}
    Win32DragMedium(const Win32DragMedium&) = delete;
    Win32DragMedium& operator=(const Win32DragMedium&) = delete;
    ~Win32DragMedium() override { ReleaseStgMedium(&medium_); }

    std::uint32_t StorageKind() const override { return medium_.tymed; }

    void ReadGlobalMemory(
        const std::function<void(std::span<const std::uint8_t>)>& read) const override {
        if (medium_.tymed != TYMED_HGLOBAL) return;
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(medium_.hGlobal));
        if (bytes == nullptr) return;
        const auto unlock = [](HGLOBAL block) { GlobalUnlock(block); };
        const std::unique_ptr<void, decltype(unlock)> locked(medium_.hGlobal, unlock);
        read({bytes, GlobalSize(medium_.hGlobal)});
    }

private:
    STGMEDIUM medium_;
};

class Win32DragData final : public IDragData {
public:
    explicit Win32DragData(IDataObject* data) : data_(data) {}

    Result GetData(const DragDataFormat& format) override {
        if (data_ == nullptr) return {E_INVALIDARG, nullptr};
        FORMATETC request{format.clipFormat, nullptr, format.aspect, format.index,
                          format.storageKinds};
        STGMEDIUM medium{};
        const HRESULT result = data_->GetData(&request, &medium);
        if (FAILED(result)) return {result, nullptr};
        return {result, std::make_unique<Win32DragMedium>(medium)};
    }

private:
    IDataObject* data_;
};

// Copy when the answer welcomes the drag and the source allows copying; never move.
void AnswerEffect(bool welcome, DWORD* effect) {
    if (effect == nullptr) return;
    *effect = welcome && (*effect & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

}  // namespace

Win32DropTarget::Win32DropTarget(IDropReceiver& receiver, ExceptionHandler onException)
    : receiver_(receiver), onException_(std::move(onException)) {}

template <typename Step>
HRESULT Win32DropTarget::Guarded(Step step) noexcept {
    try {
        return step();
    } catch (...) {
        if (onException_) {
            try {
                onException_(std::current_exception());
            } catch (...) {
            }
        }
        return E_UNEXPECTED;
    }
}

HRESULT Win32DropTarget::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Win32DropTarget::AddRef() { return 1; }

ULONG Win32DropTarget::Release() { return 1; }

HRESULT Win32DropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
    const HRESULT result = Guarded([&] { return receiver_.DragEnter(); });
    AnswerEffect(SUCCEEDED(result), effect);
    return result;
}

HRESULT Win32DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    const HRESULT result = Guarded([&] { return receiver_.DragOver(); });
    AnswerEffect(SUCCEEDED(result), effect);
    return result;
}

HRESULT Win32DropTarget::DragLeave() {
    return Guarded([&] { return receiver_.DragLeave(); });
}

HRESULT Win32DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    bool tookText = false;
    const HRESULT result = Guarded([&] {
        Win32DragData dragData(data);
        const HRESULT dropped = receiver_.Drop(dragData);
        tookText = receiver_.DropTookText();
        return dropped;
    });
    AnswerEffect(tookText, effect);
    return result;
}

}  // namespace mirevo
