// COM objects that play the drag source's side in the drop target's Windows tests: a data
// object offering text in global memory (ended by a zero byte or by the block), text in a
// stream, or no text; and a drop source.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

namespace mirevo::testing_support {

// Lives on the stack; counts its references so a test can see every medium released.
class TestDataObject final : public IDataObject {
public:
    enum class Offer { GlobalText, UnterminatedText, StreamText, NoText };

    // answer is what GetData returns when it hands text over (a success code).
    TestDataObject(Offer offer, std::string text, HRESULT answer = S_OK)
        : offer_(offer), text_(std::move(text)), answer_(answer) {}
    virtual ~TestDataObject() {
        if (stream_ != nullptr) stream_->Release();
        if (block_ != nullptr) GlobalFree(block_);
    }
    TestDataObject(const TestDataObject&) = delete;
    TestDataObject& operator=(const TestDataObject&) = delete;

    std::vector<FORMATETC> requests;
    LONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // References held on the stream handed out last, besides this object's own.
    ULONG StreamReferencesBesidesOurs() const {
        if (stream_ == nullptr) return 0;
        stream_->AddRef();
        return stream_->Release() - 1;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        requests.push_back(*format);
        if (offer_ == Offer::NoText || format->cfFormat != CF_TEXT) return DV_E_FORMATETC;
        const std::size_t size = text_.size() + (offer_ == Offer::UnterminatedText ? 0 : 1);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(block), text_.c_str(), size);
        GlobalUnlock(block);
        *medium = {};
        // The medium holds a reference on this object, dropped again when it is released;
        // the storage stays this object's to free.
        AddRef();
        medium->pUnkForRelease = static_cast<IDataObject*>(this);
        if (offer_ != Offer::StreamText) {
            medium->tymed = TYMED_HGLOBAL;
            medium->hGlobal = block;
            if (block_ != nullptr) GlobalFree(block_);
            block_ = block;
        } else {
            medium->tymed = TYMED_ISTREAM;
            if (stream_ != nullptr) stream_->Release();
            CreateStreamOnHGlobal(block, TRUE, &stream_);
            stream_->AddRef();  // the medium's reference; releasing the medium drops it
            medium->pstm = stream_;
        }
        return answer_;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return offer_ != Offer::NoText && format->cfFormat == CF_TEXT ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    Offer offer_;
    std::string text_;
    HRESULT answer_;
    HGLOBAL block_ = nullptr;
    IStream* stream_ = nullptr;
};

// Lets the drag go on for a few checks, then drops.
class TestDropSource final : public IDropSource {
public:
    explicit TestDropSource(int checksBeforeDrop) : checksLeft_(checksBeforeDrop) {}
    virtual ~TestDropSource() = default;

    int checks = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
        ++checks;
        if (escape) return DRAGDROP_S_CANCEL;
        return --checksLeft_ > 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int checksLeft_;
};

// Ends a drag that is stuck after 20 seconds with Escape, so a test fails instead of hanging.
class DragWatchdog {
public:
    DragWatchdog()
        : thread_([this, dragThread = GetCurrentThreadId()] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, std::chrono::seconds(20), [this] { return done_; })) {
                  PostThreadMessageA(dragThread, WM_KEYDOWN, VK_ESCAPE, 0);
              }
          }) {}
    ~DragWatchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace mirevo::testing_support
