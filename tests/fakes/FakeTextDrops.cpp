#include "tests/fakes/FakeTextDrops.h"

#include <new>

namespace mirevo::testing_support {

namespace {

class FakeRegistration final : public ITextDropRegistration {
public:
    FakeRegistration(FakeTextDrops& drops, std::uintptr_t window, bool registered)
        : drops_(drops), window_(window), registered_(registered) {}
    ~FakeRegistration() override {
        drops_.calls.push_back("Revoke " + std::to_string(window_));
        drops_.registered = nullptr;
    }
    bool Registered() const override { return registered_; }

private:
    FakeTextDrops& drops_;
    std::uintptr_t window_;
    bool registered_;
};

}  // namespace

std::unique_ptr<ITextDropRegistration> FakeTextDrops::RegisterTextDrops(std::uintptr_t window,
                                                                        ITextDropSink& sink) {
    calls.push_back("Register " + std::to_string(window));
    if (failRegister) throw std::bad_alloc();
    if (registers) registered = &sink;
    return std::make_unique<FakeRegistration>(*this, window, registers);
}

}  // namespace mirevo::testing_support
