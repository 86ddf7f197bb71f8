#include "platform/win32/Win32DropTarget.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace mirevo {

namespace {

// A medium from IDataObject::GetData, released to the platform when destroyed (which frees
// the block unless the source keeps it).
class StorageMedium {
public:
    StorageMedium() = default;
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
    ~StorageMedium() {
        if (fetched_) ReleaseStgMedium(&medium_);
    }

    HRESULT Fetch(IDataObject& data, FORMATETC& request) {
        const HRESULT result = data.GetData(&request, &medium_);
        fetched_ = SUCCEEDED(result);
        return result;
    }

    // The text of a global memory block; the block's size bounds a text whose source forgot
    // the zero byte.
    std::optional<std::string> GlobalText() const {
        if (!fetched_ || medium_.tymed != TYMED_HGLOBAL) return std::nullopt;
        const auto* bytes = static_cast<const char*>(GlobalLock(medium_.hGlobal));
        if (bytes == nullptr) return std::nullopt;
        const auto unlock = [](HGLOBAL block) { GlobalUnlock(block); };
        const std::unique_ptr<void, decltype(unlock)> locked(medium_.hGlobal, unlock);
        const char* const end = bytes + GlobalSize(medium_.hGlobal);
        return std::string(bytes, std::find(bytes, end, '\0'));
    }

private:
    STGMEDIUM medium_{};
    bool fetched_ = false;
};

// Copy when the answer welcomes the drag and the source allows copying; never move.
void AnswerEffect(bool welcome, DWORD* effect) {
    if (effect == nullptr) return;
    *effect = welcome && (*effect & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

}  // namespace

Win32DropTarget::Win32DropTarget(ITextDropSink& sink, ExceptionHandler onException)
    : sink_(sink), onException_(std::move(onException)) {}

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
    const HRESULT result = Guarded([&] { return sink_.DragEnter(); });
    AnswerEffect(SUCCEEDED(result), effect);
    return result;
}

HRESULT Win32DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    const HRESULT result = Guarded([&] { return sink_.DragOver(); });
    AnswerEffect(SUCCEEDED(result), effect);
    return result;
}

HRESULT Win32DropTarget::DragLeave() {
    return Guarded([&] { return sink_.DragLeave(); });
}

HRESULT Win32DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    bool tookText = false;
    const HRESULT result = Guarded([&] {
        sink_.BeforeDrop();
        // Any storage: text in another kind is still fetched and released, and not taken.
        FORMATETC request{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, 0xFFFFFFFF};
        StorageMedium medium;
        const HRESULT fetched = data ? medium.Fetch(*data, request) : E_INVALIDARG;
        const std::optional<std::string> text =
            fetched == S_OK ? medium.GlobalText() : std::nullopt;
        tookText = text.has_value();
        sink_.Dropped(text);
        return fetched;
    });
    AnswerEffect(tookText, effect);
    return result;
}

}  // namespace mirevo
