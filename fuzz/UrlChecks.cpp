// Fuzz target: the URL fields' acceptability against a walk that asks every byte's kind, on
// the input as typed and behind "http://".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "BuildConfig.h"
#include "common/Sjis.h"
#include "linkgen/InputChecks.h"

namespace {

// needle begins at some character start from the second byte on.
bool HoldsAfterFirstByte(std::string_view text, std::string_view needle) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (mirevo::ByteKindAt(text, i) != mirevo::ByteKind::Trail &&
            text.substr(i).starts_with(needle)) {
            return true;
        }
    }
    return false;
}

void CheckUrl(std::string_view text) {
    const bool url = text.starts_with("http://") &&
                     (HoldsAfterFirstByte(text, mirevo::config::MerchantDomainA) ||
                      HoldsAfterFirstByte(text, mirevo::config::MerchantDomainB));
    bool image = false;
    for (const std::string_view extension : {".jpeg", ".jpg", ".gif", ".png"}) {
        image = image || HoldsAfterFirstByte(text, extension);
    }
    if (mirevo::UrlAcceptable(text) != url) std::abort();
    if (mirevo::ImageUrlAcceptable(text) != (url && image)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckUrl(bytes);
    CheckUrl("http://" + std::string(bytes));
    return 0;
}
