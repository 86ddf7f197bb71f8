#include "tests/fakes/FakeDragDrop.h"

#include <new>

namespace mirevo::testing_support {

namespace {

class FakeRegistration final : public IDropRegistration {
public:
    FakeRegistration(FakeDragDropService& service, std::uintptr_t window)
        : service_(service), window_(window) {}
    ~FakeRegistration() override {
        service_.calls.push_back("Revoke " + std::to_string(window_));
        service_.registered = nullptr;
    }

private:
    FakeDragDropService& service_;
    std::uintptr_t window_;
};

}  // namespace

std::int32_t FakeDragDropService::Initialize() {
    calls.push_back("Initialize");
    return initializeResult_;
}

void FakeDragDropService::Uninitialize() { calls.push_back("Uninitialize"); }

std::unique_ptr<IDropRegistration> FakeDragDropService::Register(std::uintptr_t window,
                                                                 IDropReceiver& receiver) {
    calls.push_back("Register " + std::to_string(window));
    if (failRegister) throw std::bad_alloc();
    registered = &receiver;
    return std::make_unique<FakeRegistration>(*this, window);
}

}  // namespace mirevo::testing_support
