// A clipboard with plain text and a private block in memory, recording every Put.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ClipboardFormats.h"

namespace mirevo::testing_support {

class FakeClipboardFormats final : public IClipboardFormats {
public:
    bool Put(std::string_view text, std::string_view privateData) override;
    bool HasText() override { return text.has_value(); }
    bool HasPrivate() override { return privateData.has_value(); }
    std::string GetText() override { return text.value_or(""); }
    std::optional<std::string> GetPrivate() override;

    std::optional<std::string> text;
    std::optional<std::string> privateData;
    bool refusePut = false;          // Put answers false and changes nothing
    bool privateUnreadable = false;  // GetPrivate answers nothing
    int puts = 0;
};

}  // namespace mirevo::testing_support
