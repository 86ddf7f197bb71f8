#include "tests/fakes/FakeClipboardFormats.h"

namespace mirevo::testing_support {

bool FakeClipboardFormats::Put(std::string_view newText, std::string_view newPrivate) {
    ++puts;
    if (refusePut) return false;
    text = std::string(newText);
    privateData = std::string(newPrivate);
    return true;
}

std::optional<std::string> FakeClipboardFormats::GetPrivate() {
    if (privateUnreadable) return std::nullopt;
    return privateData;
}

}  // namespace mirevo::testing_support
