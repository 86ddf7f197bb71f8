// Text drops for tests: records registrations and lets a test drive the registered sink as
// the platform would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TextDrops.h"

namespace mirevo::testing_support {

class FakeTextDrops final : public ITextDrops {
public:
    std::unique_ptr<ITextDropRegistration> RegisterTextDrops(std::uintptr_t window,
                                                             ITextDropSink& sink) override;

    // "Register <window>", "Revoke <window>", in call order.
    std::vector<std::string> calls;
    // The sink registered now, if any.
    ITextDropSink* registered = nullptr;
    // What registrations answer to Registered(), as a thread where OLE was set up before.
    bool registers = true;
    // RegisterTextDrops records its call, then throws std::bad_alloc.
    bool failRegister = false;
};

}  // namespace mirevo::testing_support
