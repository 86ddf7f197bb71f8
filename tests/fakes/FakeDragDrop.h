// A drag-and-drop service for tests: records set-up and registrations, and lets a test drive
// the registered receiver as the platform would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/DragDropService.h"

namespace mirevo::testing_support {

class FakeDragDropService final : public IDragDropService {
public:
    explicit FakeDragDropService(std::int32_t initializeResult = 0)
        : initializeResult_(initializeResult) {}

    std::int32_t Initialize() override;
    void Uninitialize() override;
    std::unique_ptr<IDropRegistration> Register(std::uintptr_t window,
                                                IDropReceiver& receiver) override;

    // "Initialize", "Register <window>", "Revoke <window>", "Uninitialize", in call order.
    std::vector<std::string> calls;
    // The receiver registered now, if any.
    IDropReceiver* registered = nullptr;
    // Register records its call, then throws std::bad_alloc.
    bool failRegister = false;

private:
    std::int32_t initializeResult_;
};

}  // namespace mirevo::testing_support
