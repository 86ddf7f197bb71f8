#include "linkgen/InputChecks.h"

#include "BuildConfig.h"
#include "common/Sjis.h"

namespace mirevo {

namespace {

bool FoundAfterFirstByte(std::string_view needle, std::string_view text) {
    return PosSjis(needle, text) > 1;
}

}  // namespace

bool UrlAcceptable(std::string_view text) {
    return PosSjis("http://", text) == 1 && (FoundAfterFirstByte(config::MerchantDomainA, text) ||
                                             FoundAfterFirstByte(config::MerchantDomainB, text));
}

bool ImageUrlAcceptable(std::string_view text) {
    if (!UrlAcceptable(text)) return false;
    for (const std::string_view extension : {".jpeg", ".jpg", ".gif", ".png"}) {
        if (FoundAfterFirstByte(extension, text)) return true;
    }
    return false;
}

bool LinkTextAcceptable(std::string_view text) { return !text.empty(); }

}  // namespace mirevo
